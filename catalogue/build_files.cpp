#include "build_files.h"

#include "documents.h"
#include "text.h"

namespace {

const char* toolkit_button(int button)
{
    return button == 0 ? "GLUT_LEFT_BUTTON" : button == 1 ? "GLUT_MIDDLE_BUTTON" : "GLUT_RIGHT_BUTTON";
}

// A cue as the film script's initialiser.
std::string cue_source(const Cue& cue)
{
    static const char* const kinds[] = {"press", "release", "motion", "key"};
    std::string fields = "{.frame = " + std::to_string(cue.frame) + ", .kind = Cue::" + kinds[cue.kind];
    if (cue.kind == Cue::press || cue.kind == Cue::release)
        fields += std::string(", .button = ") + toolkit_button(cue.button);
    if (cue.kind == Cue::key)
        fields += ", .character = " + std::to_string(cue.character);
    else
        fields += ", .x = " + std::to_string(cue.x) + ", .y = " + std::to_string(cue.y);
    return "    " + fields + "},\n";
}

} // namespace

std::string about_source(const Program& program, const Catalogue& catalogue, const std::string& version)
{
    std::string help;
    for (const std::string& line : lines_of(help_text(program, catalogue, version)))
        help += "    " + c_literal(line + "\n") + "\n";
    return banner("//") +
           "#include \"program_about.h\"\n\nconst ProgramAbout program_about{\n.name = " + c_literal(program.name) +
           ",\n.help =\n" + help + ",\n.version = " + c_literal(program.name + " (glut-demos) " + version + "\n") +
           ",\n};\n";
}

// A program without a film has a one-frame script: its picture.
std::string film_source(const Program& program)
{
    const std::string head =
        banner("//") + "#include <GL/glut.h>\n\n#include \"film_script.h\"\n\nconst FilmScript film_script{\n";
    if (!program.film)
        return head + ".frames = 1, .steps_per_frame = 0, .width = 0, .height = 0, .still = 0, .cues = {},\n"
                      ".where = \"\",\n};\n";
    const Film& film = *program.film;
    std::string cues;
    for (const Cue& cue : film.cues)
        cues += cue_source(cue);
    return head + ".frames = " + std::to_string(film.frames) +
           ", .steps_per_frame = " + std::to_string(film.steps_per_frame) + ", .width = " + std::to_string(film.width) +
           ", .height = " + std::to_string(film.height) + ", .still = " + std::to_string(film.still) +
           ",\n.cues = {\n" + cues + "},\n.where = " + c_literal(film.place.str()) + ",\n};\n";
}

std::string tests_header(const Catalogue& catalogue)
{
    std::string out = banner("//") + "#pragma once\n\n"
                                     "struct CatalogueEntry {\n    const char* name;\n    bool moves;\n    bool film;\n"
                                     "    bool escape_quits;\n};\n\n"
                                     "inline const CatalogueEntry catalogue[] = {\n";
    auto flag = [](bool value) { return value ? "true" : "false"; };
    for (const Program& program : catalogue.programs)
        out += "    {" + c_literal(program.name) + ", " + flag(program.moves) + ", " + flag(program.film.has_value()) +
               ", " + flag(program.escape_quits()) + "},\n";
    return out + "};\n";
}

std::string cmake_lists(const Catalogue& catalogue)
{
    std::string programs, moving, films;
    for (const Program& program : catalogue.programs) {
        programs += " " + program.name;
        if (program.moves)
            moving += " " + program.name;
        if (program.film)
            films += " " + program.name;
    }
    std::string out = banner("#") + "set(DEMO_CATALOGUE_PROGRAMS" + programs + ")\nset(DEMO_MOVING_PROGRAMS" + moving +
                      ")\nset(DEMO_FILM_PROGRAMS" + films + ")\n";
    // Where each program's sources are, and what it links beyond the frame.
    for (const Program& program : catalogue.programs) {
        out += "set(DEMO_FOLDER_" + program.name + " " + program.folder.text + ")\n";
        if (program.sources.given())
            out += "set(DEMO_SOURCES_" + program.name + " " + program.sources.text + ")\n";
        if (program.uses.given())
            out += "set(DEMO_USES_" + program.name + " " + program.uses.text + ")\n";
    }
    return out;
}
