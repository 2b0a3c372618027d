// The gallery's films: each recorder makes the same frames on every run, the
// film decodes to its frames at its size, and input given at frame N first
// shows in frame N + 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "catalogue.h"
#include "catalogue_table.h"
#include "webp_film.h"

namespace {

std::string recorder(const std::string& name) { return std::string(DEMO_TOOLS_DIR) + "/" + name + "_record"; }

std::string shell_quoted(const std::string& text) { return "'" + text + "'"; }

// The film as the catalogue describes it, which the recorder's film must be.
const Film& described(const std::string& name)
{
    static const Catalogue catalogue = read_catalogue_file(DEMO_CATALOGUE_FILE);
    return *catalogue.program(name).film;
}

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        char pattern[] = "/tmp/film_test.XXXXXX";
        if (const char* made = mkdtemp(pattern))
            path_ = made;
        else
            ADD_FAILURE() << "cannot make a folder like " << pattern << ": " << std::strerror(errno);
    }
    ~TemporaryFolder()
    {
        if (!path_.empty())
            std::filesystem::remove_all(path_);
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Records the first frames of the film; nothing if the recorder fails.
std::optional<WebpFilm> recorded(const std::string& name, int frames, const std::string& out, bool with_input = true)
{
    const std::string command = shell_quoted(recorder(name)) + " --film " + shell_quoted(out) + " --frames " +
                                std::to_string(frames) + (with_input ? "" : " --without-input");
    if (std::system(command.c_str()) != 0)
        return std::nullopt;
    std::optional<WebpFilm> film = read_webp_film(out);
    // The encoder stores a film whose frames are all the same as one still
    // picture, without its length.
    if (film && film->frames.size() == 1)
        film->frames.resize(static_cast<size_t>(frames), film->frames.front());
    return film;
}

std::vector<CatalogueEntry> films()
{
    std::vector<CatalogueEntry> entries;
    for (const CatalogueEntry& entry : catalogue)
        if (entry.film)
            entries.push_back(entry);
    return entries;
}

class EveryFilm : public testing::TestWithParam<CatalogueEntry> {};

std::string case_name(const testing::TestParamInfo<CatalogueEntry>& info) { return info.param.name; }

} // namespace

inline void PrintTo(const CatalogueEntry& entry, std::ostream* out) { *out << entry.name; }

namespace {

} // namespace

TEST_P(EveryFilm, IsTheSameOnEveryRunAndShowsInputOnTheNextFrame)
{
    const std::string name = GetParam().name;
    const Film& d = described(name);
    ASSERT_GE(d.frames * film_frame_ms, 3000) << "a film runs three seconds or more";
    ASSERT_LE(d.frames, 200) << "a film runs eight seconds or less";
    // Enough frames to see every input arrive.
    const int frames = std::min(d.frames, std::max(30, d.cues.empty() ? 0 : d.cues.back().frame + 2));

    TemporaryFolder folder;
    const std::optional<WebpFilm> first = recorded(name, frames, folder.file("first.webp"));
    const std::optional<WebpFilm> second = recorded(name, frames, folder.file("second.webp"));
    ASSERT_TRUE(first.has_value()) << "no readable film from " << recorder(name);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(first->width, d.width);
    EXPECT_EQ(first->height, d.height);
    ASSERT_EQ(first->frames.size(), static_cast<size_t>(frames));
    ASSERT_EQ(second->frames.size(), first->frames.size());
    for (int i = 0; i < frames; ++i)
        EXPECT_TRUE(first->frames[i].pixels == second->frames[i].pixels) << "frame " << i << " differs between runs";
    EXPECT_FALSE(first->frames.front().pixels == first->frames.back().pixels) << "nothing moves";

    if (d.cues.empty())
        return;
    // Without its input the film runs the same until the first frame drawn
    // after a cue; that frame shows the input.
    const std::optional<WebpFilm> without = recorded(name, frames, folder.file("without.webp"), false);
    ASSERT_TRUE(without.has_value());
    ASSERT_EQ(without->frames.size(), first->frames.size());
    int first_change = 0;
    while (first_change < frames && first->frames[first_change].pixels == without->frames[first_change].pixels)
        ++first_change;
    ASSERT_LT(first_change, frames) << "no input changes the film";
    EXPECT_TRUE(
        std::any_of(d.cues.begin(), d.cues.end(), [&](const Cue& cue) { return cue.frame == first_change - 1; }))
        << "frame " << first_change << " is the first to change, but no input came at frame " << first_change - 1;
}

INSTANTIATE_TEST_SUITE_P(Gallery, EveryFilm, testing::ValuesIn(films()), case_name);

TEST(Gallery, FilmsFitTheirBudget)
{
    // Every film in docs/gallery within 1 MB, all of them within 6 MB.
    long total = 0;
    for (const CatalogueEntry& entry : catalogue) {
        if (!entry.film)
            continue;
        const std::string path = std::string(DEMO_SOURCE_DIR) + "/docs/gallery/" + entry.name + ".webp";
        FILE* file = std::fopen(path.c_str(), "rb");
        ASSERT_NE(file, nullptr) << "no film " << path;
        std::fseek(file, 0, SEEK_END);
        const long size = std::ftell(file);
        std::fclose(file);
        EXPECT_LE(size, 1 << 20) << path;
        EXPECT_TRUE(read_webp_film(path).has_value()) << path << " does not decode";
        total += size;
    }
    EXPECT_LE(total, 6 << 20);
}
