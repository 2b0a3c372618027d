// The catalogue's reader, its checks and its notation for input, on texts of
// their own: each fault is reported with the file and line to mend.
#include <gtest/gtest.h>

#include <sstream>

#include "catalogue.h"
#include "documents.h"
#include "input.h"
#include "site.h"

namespace {

// Two programs and an option, each field where the tests below expect it.
const std::string good = "# a comment\n"                                                          // 1
                         "Program: spin\n"                                                        // 2
                         "Folder: spinning\n"                                                     // 3
                         "Summary: a square\n"                                                    // 4
                         "Description: Turns.\n"                                                  // 5
                         "Controls:\n"                                                            // 6
                         " Left button: turn.\n"                                                  // 7
                         " Escape: quit.\n"                                                       // 8
                         "Idea: display\n"                                                        // 9
                         "Try:\n"                                                                 // 10
                         " Click.\n"                                                              // 11
                         " Wait.\n"                                                               // 12
                         "Moves: yes\n"                                                           // 13
                         "Film: 10 frames of 20x30, 2 idle calls apart, the picture at frame 4\n" // 14
                         " 0: press left\n"                                                       // 15
                         " 2: drag right from 5,6 by 4,-2 over 2 frames\n"                        // 16
                         " 6: key space\n"                                                        // 17
                         "\n"                                                                     // 18
                         "Program: still\n"                                                       // 19
                         "Folder: flat\n"                                                         // 20
                         "Summary: a line\n"                                                      // 21
                         "Description: Still.\n"                                                  // 22
                         " .\n"                                                                   // 23
                         " More.\n"                                                               // 24
                         "Controls: None.\n"                                                      // 25
                         "Idea: program\n"                                                        // 26
                         "Try:\n"                                                                 // 27
                         " Look.\n"                                                               // 28
                         " Look again.\n"                                                         // 29
                         "Moves: no\n"                                                            // 30
                         "\n"                                                                     // 31
                         "Option: -geometry WxH\n"                                                // 32
                         "Effect: The size.\n";                                                   // 33

Catalogue read(const std::string& text)
{
    std::istringstream in(text);
    return read_catalogue(in, "programs.txt");
}

// The text with one line replaced (line numbers from 1; "" removes it).
std::string with_line(int number, const std::string& line)
{
    std::istringstream in(good);
    std::string out, current;
    for (int i = 1; std::getline(in, current); ++i)
        if (i != number)
            out += current + "\n";
        else if (!line.empty())
            out += line + "\n";
    return out;
}

TEST(Catalogue, ReadsTypedRecordsWithTheirPlaces)
{
    const Catalogue catalogue = read(good);
    ASSERT_EQ(catalogue.programs.size(), 2u);
    const Program& spin = catalogue.programs[0];
    EXPECT_EQ(spin.name, "spin");
    EXPECT_EQ(spin.place.str(), "programs.txt:2");
    EXPECT_EQ(spin.controls.text, "Left button: turn.\nEscape: quit.");
    EXPECT_EQ(spin.try_these.place.line, 10);
    EXPECT_TRUE(spin.moves);
    EXPECT_TRUE(spin.escape_quits());
    EXPECT_FALSE(spin.takes_no_input());
    EXPECT_TRUE(spin.inputs_taken().buttons);
    EXPECT_EQ(spin.inputs_taken().keys, std::vector<std::string>{"Escape"});
    EXPECT_EQ(spin.source_path(), "spinning/spin.cpp");
    ASSERT_TRUE(spin.film.has_value());
    EXPECT_EQ(spin.film->frames, 10);
    EXPECT_EQ(spin.film->width, 20);
    EXPECT_EQ(spin.film->height, 30);
    EXPECT_EQ(spin.film->steps_per_frame, 2);
    EXPECT_EQ(spin.film->still, 4);
    EXPECT_EQ(spin.film->place.str(), "programs.txt:14");
    // The press, the drag's press, two motions and release, the key.
    EXPECT_EQ(spin.film->cues.size(), 6u);
    const Program& still = catalogue.programs[1];
    EXPECT_EQ(still.description.text, "Still.\n\nMore.");
    EXPECT_EQ(still.try_these.text, "Look.\nLook again.");
    EXPECT_FALSE(still.moves);
    EXPECT_FALSE(still.film.has_value());
    EXPECT_TRUE(still.takes_no_input());
    EXPECT_FALSE(still.escape_quits());
    EXPECT_FALSE(still.sources.given());
    ASSERT_EQ(catalogue.options.size(), 1u);
    EXPECT_EQ(catalogue.options[0].typed, "-geometry WxH");
    EXPECT_EQ(&catalogue.program("still"), &still);
    EXPECT_THROW(catalogue.program("none"), std::runtime_error);
}

// Each fault, made by replacing one line of the good text, and the message
// it gives, which starts with the place to mend.
TEST(Catalogue, EachFaultNamesItsFileAndLine)
{
    const struct {
        int line;
        std::string replacement, message;
    } faults[] = {
        {3, "", "programs.txt:2: spin has no Folder"},
        {13, "", "programs.txt:2: spin has no Moves"},
        {13, "Moves: sometimes", "programs.txt:13: Moves is yes or no, not: sometimes"},
        {9, "Idea: display-it", "programs.txt:9: Idea names \"display-it\", which is not a name a definition can have"},
        {9, "Idea:", "programs.txt:9: Idea names no definition of spin"},
        {12, "", "programs.txt:10: Try takes two or three things to do, one a line; it has 1"},
        {12, " Wait", "programs.txt:10: each of Try's lines is a sentence ending in a full stop, not: Wait"},
        {14, "Film: ten frames", "programs.txt:14: Film starts with \"N frames of WxH"},
        {14, "Film: 10 frames of 20x30, 2 idle calls apart, the picture at frame 10",
         "programs.txt:14: spin's film needs two frames or more"},
        {16, " 2: drag up from 5,6 by 4,-2 over 2 frames", "programs.txt:16: not an input of a film: 2: drag up"},
        {7, " Middle click: turn.",
         "programs.txt:6: a line of Controls names a button, or one key as it is "
         "labelled (a character, Space or Escape), not: Middle click"},
        {8, " Escape quits.", "programs.txt:6: each of Controls' lines is \"what: effect\", not: Escape quits."},
        {17, " 9: key space", "programs.txt:17: this input comes too late to show: the film's last frame is 9"},
        {4, "Sumary: a square", "programs.txt:4: a program has no field called Sumary"},
        {4, "Summary a square", "programs.txt:4: no field name in: Summary a square"},
        {5, "Folder: flat", "programs.txt:5: Folder given twice, first at line 3"},
        {33, "", "programs.txt:32: the option -geometry WxH has no Effect"},
        {32, "Effect: The place.", "programs.txt:33: Effect given twice, first at line 32"},
        {31, "\n dangling", "programs.txt:32: a continued line with no field above it"},
        {30, "Moves: no\nBeside: spin",
         "programs.txt:31: a film goes beside another only where both still and spin have a Film"},
        {30, "Moves: no\nBeside: whirl", "programs.txt:31: Beside names whirl, which is no other program"},
    };
    for (const auto& fault : faults) {
        std::string message = "(no error)";
        try {
            read(with_line(fault.line, fault.replacement));
        } catch (const std::exception& error) {
            message = error.what();
        }
        EXPECT_TRUE(message.starts_with(fault.message))
            << "line " << fault.line << " as \"" << fault.replacement << "\"\n  expected: " << fault.message
            << "...\n  observed: " << message;
    }
}

TEST(Input, EachLineGivesItsCuesAndTheLastFrameTheyComeBefore)
{
    std::vector<Cue> cues;
    EXPECT_EQ(parse_input("3: release middle at 7,8", cues), 3);
    ASSERT_EQ(cues.size(), 1u);
    EXPECT_EQ(cues[0].kind, Cue::release);
    EXPECT_EQ(cues[0].button, 1);
    EXPECT_EQ(cues[0].x, 7);
    EXPECT_EQ(cues[0].y, 8);

    cues.clear();
    // A press, a motion a frame to the end of the drag, the release after.
    EXPECT_EQ(parse_input("40: drag left from 320,240 by 60,-40 over 4 frames", cues), 45);
    ASSERT_EQ(cues.size(), 6u);
    EXPECT_EQ(cues.front().kind, Cue::press);
    EXPECT_EQ(cues.front().frame, 40);
    EXPECT_EQ(cues[2].kind, Cue::motion);
    EXPECT_EQ(cues[2].frame, 42);
    EXPECT_EQ(cues[2].x, 350);
    EXPECT_EQ(cues[2].y, 220);
    EXPECT_EQ(cues.back().kind, Cue::release);
    EXPECT_EQ(cues.back().frame, 45);
    EXPECT_EQ(cues.back().x, 380);
    EXPECT_EQ(cues.back().y, 200);

    cues.clear();
    parse_input("1: key space", cues);
    parse_input("2: key escape", cues);
    parse_input("3: key o", cues);
    ASSERT_EQ(cues.size(), 3u);
    EXPECT_EQ(cues[0].character, ' ');
    EXPECT_EQ(cues[1].character, 27);
    EXPECT_EQ(cues[2].character, 'o');

    for (const char* bad :
         {"press left", "1: press", "1: key", "1: key ab", "1: drag left from 1,2 by 3 over 4 frames"})
        EXPECT_THROW(parse_input(bad, cues), std::invalid_argument) << bad;
}

TEST(Sources, TheIdeaIsMarkedWithItsCommentsAndAFileWithoutItsRowFails)
{
    Program program = read(good).programs[0];
    const SourceFile source{"spinning/spin.cpp",
                            {"#include <GL/glut.h>", "", "// Draws.", "// Twice.", "void display()", "{", "    draw();",
                             "}", "", "const ProgramSetup program{.display = display};"},
                            true};
    const std::vector<bool> marked = idea_marks(program, source);
    EXPECT_EQ(marked, (std::vector<bool>{false, false, true, true, true, true, true, true, false, false}));
    EXPECT_NO_THROW(check_row(program, source));

    program.idea.text = "draw";
    try {
        idea_marks(program, source);
        ADD_FAILURE() << "a definition the file lacks was marked";
    } catch (const CatalogueError& error) {
        EXPECT_STREQ(error.what(),
                     "programs.txt:9: Idea names draw, which spinning/spin.cpp does not define at the start of a line");
    }
    SourceFile without_row = source;
    without_row.lines.pop_back();
    try {
        check_row(program, without_row);
        ADD_FAILURE() << "a file without its row passed";
    } catch (const CatalogueError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("spinning/spin.cpp:9: spin's file defines no row"))
            << error.what();
    }
}

TEST(Site, SlotsAreFilledAndEveryOneIsAccountedFor)
{
    EXPECT_EQ(
        filled("<ul>\n  {{items}}\n</ul>\n<p>{{name}}</p>\n", {{"items", "<li>a</li>\n<li>b</li>\n"}, {"name", "x"}}),
        "<ul>\n  <li>a</li>\n  <li>b</li>\n</ul>\n<p>x</p>\n");
    EXPECT_THROW(filled("<p>{{name}}</p>", {}), std::runtime_error);
    EXPECT_THROW(filled("<p></p>", {{"name", "x"}}), std::runtime_error);
    EXPECT_THROW(filled("<p>{{name</p>", {{"name", "x"}}), std::runtime_error);
}

TEST(Documents, TheReadmesTablesGoBetweenTheirMarks)
{
    const Catalogue catalogue = read(good);
    const std::string readme = "# Title\n<!-- programs: old -->\nold table\n<!-- end of programs -->\nAfter.\n";
    const std::string updated = readme_updated(readme, catalogue);
    EXPECT_TRUE(updated.starts_with("# Title\n" + readme_tables(catalogue))) << updated;
    EXPECT_TRUE(updated.ends_with("<!-- end of programs -->\nAfter.\n")) << updated;
    EXPECT_EQ(updated.find("old table"), std::string::npos) << updated;
    EXPECT_EQ(readme_updated(updated, catalogue), updated);
    EXPECT_THROW(readme_updated("# Title\nNo tables.\n", catalogue), std::runtime_error);
}

} // namespace
