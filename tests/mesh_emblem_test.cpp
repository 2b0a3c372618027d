// The mesh scene: its mesh tables, its lit picture and its input.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "mesh_emblem.h"
#include "program_harness.h"
#include "tri_mesh.h"

namespace {

using Vec = std::array<double, 3>;

Vec vertex(const TriMesh& mesh, int index)
{
    const GLfloat* v = mesh.vertices[index];
    return {v[0], v[1], v[2]};
}

Vec corner_cross(const TriMesh& mesh, int t)
{
    const Vec a = vertex(mesh, mesh.triangles[t][0]);
    const Vec b = vertex(mesh, mesh.triangles[t][1]);
    const Vec c = vertex(mesh, mesh.triangles[t][2]);
    const Vec u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const Vec w{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    return {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
}

// Area of the triangles whose normal is (0, 0, nz).
double facing_area(const TriMesh& mesh, float nz)
{
    double area = 0;
    for (int t = 0; t < mesh.triangle_count; ++t)
        if (mesh.normals[t][2] == nz)
            area += std::abs(corner_cross(mesh, t)[2]) / 2;
    return area;
}

// Shoelace area of a closed outline given by front vertex indices.
double outline_area(const TriMesh& mesh, std::initializer_list<int> points)
{
    const std::vector<int> p(points);
    double twice = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const Vec a = vertex(mesh, p[i]), b = vertex(mesh, p[(i + 1) % p.size()]);
        twice += a[0] * b[1] - b[0] * a[1];
    }
    return std::abs(twice) / 2;
}

void check_mesh(const TriMesh& mesh, const char* name)
{
    for (int t = 0; t < mesh.triangle_count; ++t) {
        for (GLint index : mesh.triangles[t]) {
            EXPECT_GE(index, 0) << name << " triangle " << t;
            EXPECT_LT(index, mesh.vertex_count) << name << " triangle " << t;
        }
        const Vec cross = corner_cross(mesh, t);
        const double length = std::hypot(cross[0], cross[1], cross[2]);
        ASSERT_GT(length, 0) << name << " triangle " << t << " is degenerate";
        const GLfloat* n = mesh.normals[t];
        const double cosine = (cross[0] * n[0] + cross[1] * n[1] + cross[2] * n[2]) / length;
        EXPECT_NEAR(cosine, std::hypot(n[0], n[1], n[2]), 1e-3)
            << name << " triangle " << t << " is wound against its normal";
    }
}

// Probes where a point of the front faces (z = 6) lands in the face-on scene:
// 640 x 480 window, eye at z = 60, 60-degree vertical field of view.
testing::AssertionResult probe_front(double x, double y, Rgb expected)
{
    const double half_height = (60 - 6) * std::tan(M_PI / 6);
    return probe_view({half_height * 640 / 480, half_height}, x, y, expected);
}

// Colour tracking with the default global ambient 0.2 and a white light at 45
// degrees to a face-on front face.
Rgb lit(int r, int g, int b) { return rgb_from_unit(r / 255.0 * 0.9071, g / 255.0 * 0.9071, b / 255.0 * 0.9071); }

const Rgb emblem_front = lit(165, 163, 160);
const Rgb block_front = lit(0, 90, 107);
const Rgb white{255, 255, 255};

void move_to(int x, int y) { callback_of<MotionFunc>(program)(x, y); }

int count_near(const Image& image, Rgb colour)
{
    int n = 0;
    for (const Rgb& p : image.pixels)
        n += within(p, colour, 6);
    return n;
}

using MeshScene = ProgramTest;

} // namespace

TEST(MeshTables, WindingAgreesWithTheNormalsAndIndicesAreInRange)
{
    check_mesh(emblem_mesh, "emblem");
    check_mesh(block_mesh, "block");
}

TEST(MeshTables, FrontAndBackEachCoverTheOutlineMinusTheHole)
{
    const double outline = outline_area(emblem_mesh, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const double hole = outline_area(emblem_mesh, {20, 21, 22, 23});
    EXPECT_DOUBLE_EQ(hole, 240.0);
    EXPECT_NEAR(facing_area(emblem_mesh, 1), outline - hole, 1e-6);
    EXPECT_NEAR(facing_area(emblem_mesh, -1), outline - hole, 1e-6);
    EXPECT_NEAR(facing_area(block_mesh, 1), 72.0, 1e-6);
    EXPECT_NEAR(facing_area(block_mesh, -1), 72.0, 1e-6);
}

TEST_F(MeshScene, OpensAtTheTurnedStartView)
{
    EXPECT_EQ(view_angle_x, 25.0f);
    EXPECT_EQ(view_angle_y, -30.0f);
    EXPECT_EQ(block_angle, 0.0f);
    const Image start = read_image();
    // Turned, the front faces lean away from the light and the top faces
    // towards it: neither shows the face-on shade.
    EXPECT_LT(count_near(start, emblem_front), 50);
    EXPECT_GT(count_near(start, rgb_from_unit(165 / 255.0 * 1.14, 163 / 255.0 * 1.14, 160 / 255.0 * 1.14)), 200)
        << "the emblem's top faces should be lit almost head-on";
}

TEST_F(MeshScene, FaceOnViewShowsTheLitEmblemTheHoleAndTheBlock)
{
    press(GLUT_LEFT_BUTTON, 300, 200);
    move_to(300, 200); // a drag that ends where it started: both view angles 0
    redraw();
    EXPECT_TRUE(probe_front(-11, 0, emblem_front)) << "left bar";
    EXPECT_TRUE(probe_front(0, 0, emblem_front)) << "diagonal band";
    EXPECT_TRUE(probe_front(5.5, -4, emblem_front)) << "frame's left wall";
    EXPECT_TRUE(probe_front(11, -16.5, emblem_front)) << "frame's bottom wall";
    EXPECT_TRUE(probe_front(11, -4, white)) << "the hole";
    EXPECT_TRUE(probe_front(0, -15, white)) << "the notch under the band";
    EXPECT_TRUE(probe_front(0, 15, white)) << "above the band";
    EXPECT_TRUE(probe_front(11, 14, block_front)) << "the block above the frame";
    // Seen from below, the block's underside faces away from the light: only
    // the global ambient 0.2 lights it.
    EXPECT_TRUE(probe_front(11, 10, rgb_from_unit(0, 0.2 * 90 / 255, 0.2 * 107 / 255))) << "the block's underside";
}

TEST_F(MeshScene, DragSetsTheViewToTheOffsetFromThePressPoint)
{
    press(GLUT_LEFT_BUTTON, 100, 100);
    move_to(110, 130);
    EXPECT_EQ(view_angle_y, 10.0f);
    EXPECT_EQ(view_angle_x, 30.0f);
    move_to(95, 90);
    EXPECT_EQ(view_angle_y, -5.0f) << "angles are set, not added";
    EXPECT_EQ(view_angle_x, -10.0f);
    release(GLUT_LEFT_BUTTON, 95, 90);
    EXPECT_EQ(view_angle_y, -5.0f) << "a release leaves the scene where it is";

    press(GLUT_LEFT_BUTTON, 400, 300); // a new drag starts again from zero offset
    move_to(402, 301);
    EXPECT_EQ(view_angle_y, 2.0f);
    EXPECT_EQ(view_angle_x, 1.0f);
}

TEST_F(MeshScene, BlockAngleWrapsAfterShowing360)
{
    idle_steps(program, 359);
    EXPECT_EQ(block_angle, 359.0f);
    idle_steps(program, 1);
    EXPECT_EQ(block_angle, 360.0f);
    idle_steps(program, 1);
    EXPECT_EQ(block_angle, 1.0f);
}

TEST_F(MeshScene, SpaceStopsTheBlockSquareToTheEmblem)
{
    idle_steps(program, 40);
    key(' ');
    EXPECT_TRUE(paused);
    EXPECT_EQ(block_angle, 0.0f);
    run_event_loop(0.3);
    EXPECT_EQ(block_angle, 0.0f) << "the idle callback must be removed";
}

TEST_F(MeshScene, SecondSpaceRestartsTheBlockFromZero)
{
    key(' ');
    key(' ');
    EXPECT_FALSE(paused);
    EXPECT_EQ(block_angle, 0.0f);
    run_event_loop(0.3);
    EXPECT_GT(block_angle, 0.0f) << "the idle callback must be registered again";
}

TEST_F(MeshScene, OtherKeysOnlyRepaint)
{
    press(GLUT_LEFT_BUTTON, 0, 0);
    move_to(0, 0);
    redraw();
    const Image before = read_image();
    for (unsigned char k : {'a', 'O', '1', '\r', '\t'})
        key(k);
    pump_events();
    EXPECT_FALSE(paused);
    EXPECT_EQ(view_angle_x, 0.0f);
    EXPECT_TRUE(read_image().pixels == before.pixels);
}

TEST_F(MeshScene, ZeroHeightKeepsTheProjection)
{
    GLdouble before[16], after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, before);
    callback_of<ReshapeFunc>(program)(640, 0);
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(after[i], before[i]) << "entry " << i;
}
