// Makes every user-facing text about the programs from the catalogue: each
// program's --help and --version text, its manual page and its menu entry,
// a header the tests read, the lists the build reads, the README's tables and
// the README that is installed with the programs. It runs on the machine that
// builds, and what it writes does not depend on the system built for.
//
//   make_catalogue CATALOGUE VERSION DATE OUTDIR      writes the files into OUTDIR
//   make_catalogue CATALOGUE VERSION DATE --readme    prints the README's tables
//   make_catalogue CATALOGUE --page PROGRAM OUT.html  writes the program's web page
//   make_catalogue CATALOGUE --index OUT.html         writes the web pages' index
//   make_catalogue CATALOGUE --programs|--films|--moving|--listing|--beside
//       prints the programs' names, those of the programs with a film or
//       of those that move, or each program's name and summary, one program
//       a line; or the pairs of programs whose films the gallery shows side
//       by side, a pair a line
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Stanza = std::map<std::string, std::string>;

struct Catalogue {
    std::vector<Stanza> programs, options;
};

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Where a stanza's field starts in the catalogue, as "PATH:LINE: " for a
// message; the reader keeps it under the field's name with an @ before it.
std::string place(const Stanza& stanza, const std::string& field)
{
    return stanza.at("@path") + ":" + stanza.at("@" + (stanza.count("@" + field) ? field : "Program"));
}

std::string where(const Stanza& stanza, const std::string& field) { return place(stanza, field) + ": "; }

bool is_identifier(const std::string& word)
{
    if (word.empty() || std::isdigit(static_cast<unsigned char>(word[0])))
        return false;
    for (const char c : word)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

// The fields a program's web page needs: Idea, names of the definitions to
// mark, and Try, two or three sentences.
void check_page_fields(const Stanza& program)
{
    std::istringstream names(program.at("Idea"));
    int count = 0;
    for (std::string name; names >> name; ++count)
        if (!is_identifier(name))
            throw std::runtime_error(where(program, "Idea") + "Idea names \"" + name +
                                     "\", which is not a name a definition can have");
    if (count == 0)
        throw std::runtime_error(where(program, "Idea") + "Idea names no definition of " + program.at("Program"));
    const std::vector<std::string> tries = lines_of(program.at("Try"));
    if (tries.size() < 2 || tries.size() > 3)
        throw std::runtime_error(where(program, "Try") + "Try takes two or three things to do, one a line; it has " +
                                 std::to_string(tries.size()));
    for (const std::string& line : tries)
        if (line.empty() || line.back() != '.')
            throw std::runtime_error(where(program, "Try") +
                                     "each of Try's lines is a sentence ending in a full stop, "
                                     "not: " +
                                     line);
}

bool has_film(const Stanza& program) { return program.count("Film") > 0; }

// "PATH:LINE: " of the line `offset` lines into a field.
std::string where_in(const Stanza& stanza, const std::string& field, std::size_t offset)
{
    return stanza.at("@path") + ":" + std::to_string(std::stoi(stanza.at("@" + field)) + offset) + ": ";
}

// A C++ string literal of one line.
std::string c_string(const std::string& text)
{
    std::string literal = "\"";
    for (char c : text)
        literal += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return literal + "\"";
}

std::string toolkit_button(const std::string& name)
{
    return name == "left" ? "GLUT_LEFT_BUTTON" : name == "middle" ? "GLUT_MIDDLE_BUTTON" : "GLUT_RIGHT_BUTTON";
}

std::string cue(int frame, const std::string& kind, const std::string& rest)
{
    return "    {.frame = " + std::to_string(frame) + ", .kind = Cue::" + kind + rest + "},\n";
}

// The program's film as its recorder plays it, from the Film field: the
// source of <program>_film.cpp. A program without one has a one-frame script,
// its picture. A line that does not read as the catalogue's head explains
// fails with its own line.
std::string film_source(const Stanza& program)
{
    const std::string& name = program.at("Program");
    std::string head = "// Made by make_catalogue from the catalogue; do not edit.\n#include <GL/glut.h>\n\n"
                       "#include \"film_script.h\"\n\nconst FilmScript film_script{\n";
    if (!has_film(program))
        return head + ".frames = 1, .steps_per_frame = 0, .width = 0, .height = 0, .still = 0, .cues = {},\n"
                      ".where = \"\",\n};\n";
    const std::vector<std::string> lines = lines_of(program.at("Film"));
    static const std::regex film_line(
        R"((\d+) frames of (\d+)x(\d+), (\d+) idle calls? apart, the picture at frame (\d+))");
    static const std::regex button_line(R"((\d+): (press|release) (left|middle|right)(?: at (\d+),(\d+))?)");
    static const std::regex drag_line(
        R"((\d+): drag (left|middle|right) from (\d+),(\d+) by (-?\d+),(-?\d+) over (\d+) frames)");
    static const std::regex key_line(R"((\d+): key (space|escape|\S))");
    std::smatch m;
    if (lines.empty() || !std::regex_match(lines[0], m, film_line))
        throw std::runtime_error(where(program, "Film") + "Film starts with \"N frames of WxH, N idle calls apart, " +
                                 "the picture at frame N\", not: " + (lines.empty() ? "" : lines[0]));
    const int frames = std::stoi(m[1]), width = std::stoi(m[2]), height = std::stoi(m[3]);
    const int steps = std::stoi(m[4]), still = std::stoi(m[5]);
    if (frames < 2 || width < 1 || height < 1 || still >= frames)
        throw std::runtime_error(where(program, "Film") + name + "'s film needs two frames or more, a size, " +
                                 "and its picture among its frames");
    std::string cues;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int last = 0; // the last frame the line's input comes before
        if (std::regex_match(line, m, button_line)) {
            last = std::stoi(m[1]);
            const std::string at = m[4].matched ? ", .x = " + m[4].str() + ", .y = " + m[5].str() : "";
            cues += cue(last, m[2], ", .button = " + toolkit_button(m[3]) + at);
        } else if (std::regex_match(line, m, drag_line)) {
            // A press, a motion a frame to the end, and the release there.
            const int first = std::stoi(m[1]), x = std::stoi(m[3]), y = std::stoi(m[4]);
            const int dx = std::stoi(m[5]), dy = std::stoi(m[6]), steps_of_drag = std::max(1, std::stoi(m[7]));
            const std::string button = ", .button = " + toolkit_button(m[2]);
            cues += cue(first, "press", button + ", .x = " + std::to_string(x) + ", .y = " + std::to_string(y));
            for (int k = 1; k <= steps_of_drag; ++k)
                cues += cue(first + k, "motion",
                            ", .x = " + std::to_string(x + dx * k / steps_of_drag) +
                                ", .y = " + std::to_string(y + dy * k / steps_of_drag));
            last = first + steps_of_drag + 1;
            cues +=
                cue(last, "release", button + ", .x = " + std::to_string(x + dx) + ", .y = " + std::to_string(y + dy));
        } else if (std::regex_match(line, m, key_line)) {
            last = std::stoi(m[1]);
            const std::string key = m[2];
            const int code = key == "space" ? ' ' : key == "escape" ? 27 : static_cast<unsigned char>(key[0]);
            cues += cue(last, "key", ", .character = " + std::to_string(code));
        } else {
            throw std::runtime_error(where_in(program, "Film", i) + "not an input of a film: " + line +
                                     " (FRAME: press|release BUTTON [at X,Y], FRAME: drag BUTTON from X,Y by DX,DY "
                                     "over N frames, FRAME: key C|space|escape)");
        }
        if (last >= frames - 1)
            throw std::runtime_error(where_in(program, "Film", i) +
                                     "this input comes too late to show: the film's last frame is " +
                                     std::to_string(frames - 1));
    }
    return head + ".frames = " + std::to_string(frames) + ", .steps_per_frame = " + std::to_string(steps) +
           ", .width = " + std::to_string(width) + ", .height = " + std::to_string(height) +
           ", .still = " + std::to_string(still) + ",\n.cues = {\n" + cues +
           "},\n.where = " + c_string(place(program, "Film")) + ",\n};\n";
}

// The program whose film the gallery shows beside this program's, which
// must have films both.
const Stanza& beside(const Catalogue& catalogue, const Stanza& program)
{
    const std::string& other = program.at("Beside");
    for (const Stanza& candidate : catalogue.programs)
        if (candidate.at("Program") == other && other != program.at("Program")) {
            if (!has_film(candidate) || !has_film(program))
                throw std::runtime_error(where(program, "Beside") + "a film goes beside another only where both " +
                                         program.at("Program") + " and " + other + " have a Film");
            return candidate;
        }
    throw std::runtime_error(where(program, "Beside") + "Beside names " + other + ", which is no other program");
}

// Continuation lines join their field with a newline; " ." stands for an
// empty line.
Catalogue read_catalogue(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    Catalogue catalogue;
    Stanza stanza;
    std::string field, line;
    int number = 0;
    auto finish = [&] {
        if (stanza.count("Program"))
            catalogue.programs.push_back(stanza);
        else if (stanza.count("Option"))
            catalogue.options.push_back(stanza);
        stanza.clear();
    };
    while (std::getline(in, line)) {
        ++number;
        if (line.starts_with("#"))
            continue;
        if (line.empty()) {
            finish();
        } else if (line[0] == ' ') {
            std::string& value = stanza[field];
            value += (value.empty() ? "" : "\n") + (line == " ." ? "" : line.substr(1));
        } else {
            const auto colon = line.find(':');
            if (colon == std::string::npos)
                throw std::runtime_error(path + ":" + std::to_string(number) + ": no field name in: " + line);
            field = line.substr(0, colon);
            const auto value = line.find_first_not_of(' ', colon + 1);
            stanza[field] = value == std::string::npos ? "" : line.substr(value);
            stanza["@" + field] = std::to_string(number);
            stanza["@path"] = path;
        }
    }
    finish();
    for (const Stanza& program : catalogue.programs) {
        for (const char* required : {"Folder", "Summary", "Description", "Controls", "Idea", "Try", "Moves"})
            if (!program.count(required))
                throw std::runtime_error(where(program, "Program") + program.at("Program") + " has no " + required);
        check_page_fields(program);
        film_source(program);
    }
    for (const Stanza& program : catalogue.programs)
        if (program.count("Beside"))
            beside(catalogue, program);
    return catalogue;
}

// Joins a field's lines into one paragraph.
std::string paragraph(const std::string& text)
{
    std::string joined;
    for (const std::string& line : lines_of(text))
        joined += (joined.empty() ? "" : " ") + line;
    return joined;
}

// Breaks a paragraph into lines of at most width characters.
std::vector<std::string> wrapped(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines{""};
    std::istringstream words(paragraph(text));
    for (std::string word; words >> word;) {
        if (!lines.back().empty() && lines.back().size() + 1 + word.size() > width)
            lines.emplace_back();
        lines.back() += (lines.back().empty() ? "" : " ") + word;
    }
    return lines;
}

// "what: effect" split at the first ": ".
std::pair<std::string, std::string> control_parts(const std::string& line)
{
    const auto split = line.find(": ");
    if (split == std::string::npos)
        return {line, ""};
    return {line.substr(0, split), line.substr(split + 2)};
}

bool takes_no_input(const Stanza& program) { return program.at("Controls") == "None."; }

// Whether a line of its controls says that Escape ends the program.
bool escape_quits(const Stanza& program)
{
    for (const std::string& line : lines_of(program.at("Controls")))
        if (control_parts(line).first == "Escape")
            return true;
    return false;
}

std::string help_text(const Stanza& program, const Catalogue& catalogue, const std::string& version)
{
    const std::string& name = program.at("Program");
    std::ostringstream out;
    out << name << ": " << program.at("Summary") << "\n\nUsage: " << name << " [toolkit options]\n       " << name
        << " --help | --version\n\n";
    for (const std::string& line : wrapped(program.at("Description"), 76))
        out << line << "\n";
    out << "\nControls:\n";
    if (takes_no_input(program))
        out << "  none\n";
    // A control too long for one line goes on, indented, on the next.
    for (const std::string& control : lines_of(program.at("Controls")))
        if (!takes_no_input(program)) {
            const std::vector<std::string> lines = wrapped(control, 76);
            for (std::size_t i = 0; i < lines.size(); ++i)
                out << (i == 0 ? "  " : "      ") << lines[i] << "\n";
        }
    out << "\nToolkit options:\n";
    for (const Stanza& option : catalogue.options) {
        out << "  " << option.at("Option") << "\n";
        for (const std::string& line : wrapped(option.at("Effect"), 70))
            out << "      " << line << "\n";
    }
    out << "\n  --help     print this text and exit\n  --version  print the version and exit\n\nglut-demos " << version
        << "; see also man " << name << "\n";
    return out.str();
}

// A C++ string literal, split at line ends.
std::string cpp_literal(const std::string& text)
{
    std::string literal;
    for (const std::string& line : lines_of(text)) {
        literal += "    \"";
        for (char c : line) {
            if (c == '"' || c == '\\')
                literal += '\\';
            literal += c;
        }
        literal += "\\n\"\n";
    }
    return literal;
}

std::string about_source(const Stanza& program, const Catalogue& catalogue, const std::string& version)
{
    const std::string& name = program.at("Program");
    return "// Made by make_catalogue from the catalogue; do not edit.\n#include \"program_about.h\"\n\n"
           "const ProgramAbout program_about{\n.name = \"" +
           name + "\",\n.help =\n" + cpp_literal(help_text(program, catalogue, version)) + ",\n.version = \"" + name +
           " (glut-demos) " + version + "\\n\",\n};\n";
}

// Text for roff: backslashes and minus signs escaped, no line that starts
// with a control character.
std::string roff(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out = "\\&" + out;
    return out;
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string man_page(const Stanza& program, const Catalogue& catalogue, const std::string& version,
                     const std::string& date)
{
    const std::string& name = program.at("Program");
    std::ostringstream out;
    out << ".TH " << roff(upper(name)) << " 6 " << date << " \"glut-demos " << version << "\" \"Games Manual\"\n"
        << ".SH NAME\n"
        << roff(name) << " \\- " << roff(program.at("Summary")) << "\n.SH SYNOPSIS\n.B " << roff(name)
        << "\n[\\fItoolkit options\\fR]\n.br\n.B " << roff(name) << "\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n"
        << ".SH DESCRIPTION\n"
        << roff(paragraph(program.at("Description"))) << "\n.SH CONTROLS\n";
    if (takes_no_input(program))
        out << "None: the program takes no mouse or keyboard input.\n";
    else
        for (const std::string& line : lines_of(program.at("Controls"))) {
            const auto [what, effect] = control_parts(line);
            out << ".TP\n.B " << roff(what) << "\n" << roff(effect) << "\n";
        }
    out << ".SH OPTIONS\nThe whole command line goes to the GLUT toolkit, which takes these options:\n";
    for (const Stanza& option : catalogue.options) {
        const std::string& typed = option.at("Option");
        const auto space = typed.find(' ');
        out << ".TP\n.B " << roff(typed.substr(0, space));
        if (space != std::string::npos)
            out << " \\fI" << roff(typed.substr(space + 1)) << "\\fR";
        out << "\n" << roff(paragraph(option.at("Effect"))) << "\n";
    }
    out << ".PP\nGiven as the only argument, these are answered without opening a window:\n"
        << ".TP\n.B \\-\\-help\nPrint a summary of the program, its controls and the toolkit options, and exit.\n"
        << ".TP\n.B \\-\\-version\nPrint the version and exit.\n"
        << ".SH EXIT STATUS\n0 when the program ends on Escape (where it takes Escape), or after "
        << "\\fB\\-\\-help\\fR or \\fB\\-\\-version\\fR; non-zero when the toolkit ends it on an error, "
           "such as a display that cannot be opened.\n"
        << ".SH SEE ALSO\n";
    std::string others;
    for (const Stanza& other : catalogue.programs)
        if (other.at("Program") != name)
            others += (others.empty() ? "" : ",\n") + ("\\fB" + roff(other.at("Program")) + "\\fR(6)");
    out << others << "\n";
    return out.str();
}

std::string capitalised(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string desktop_entry(const Stanza& program)
{
    const std::string& name = program.at("Program");
    return "[Desktop Entry]\nType=Application\nName=" + name +
           "\nGenericName=OpenGL demonstration\nComment=" + capitalised(program.at("Summary")) + "\nExec=" + name +
           "\nIcon=glut-demos-" + name +
           "\nTerminal=false\nCategories=Education;ComputerScience;\nKeywords=OpenGL;GLUT;demo;\n";
}

std::string tests_header(const Catalogue& catalogue)
{
    std::string out = "// Made by make_catalogue from the catalogue; do not edit.\n#pragma once\n\n"
                      "struct CatalogueEntry {\n    const char* name;\n    bool moves;\n    bool film;\n"
                      "    bool escape_quits;\n};\n\n"
                      "inline const CatalogueEntry catalogue[] = {\n";
    for (const Stanza& program : catalogue.programs)
        out += "    {\"" + program.at("Program") + "\", " + (program.at("Moves") == "yes" ? "true" : "false") + ", " +
               (has_film(program) ? "true" : "false") + ", " + (escape_quits(program) ? "true" : "false") + "},\n";
    return out + "};\n";
}

// One cell of a markdown table: line ends become breaks.
std::string cell(const std::string& text)
{
    std::string out;
    for (const std::string& line : lines_of(text))
        out += (out.empty() ? "" : "<br>") + line;
    return out;
}

// The README's table of programs; pictures only where they are shipped with it.
std::string programs_table(const Catalogue& catalogue, bool pictures)
{
    std::string out = pictures ? "| Program | Picture | What it shows | Input |\n|---|---|---|---|\n"
                               : "| Program | What it shows | Input |\n|---|---|---|\n";
    for (const Stanza& program : catalogue.programs) {
        const std::string& name = program.at("Program");
        out += pictures ? "| [`" + name + "`](docs/web/" + name + ".html) | " : "| `" + name + "` | ";
        if (pictures) {
            const std::string still = "<img src=\"docs/gallery/" + name + ".png\" width=\"160\" alt=\"" + name + "\">";
            if (has_film(program))
                out += "<picture><source srcset=\"docs/gallery/" + name + ".webp\" type=\"image/webp\">" + still +
                       "</picture>";
            else
                out += still;
            out += " | ";
        }
        out += paragraph(program.at("Description")) + " | " + cell(program.at("Controls")) + " |\n";
    }
    return out;
}

std::string options_table(const Catalogue& catalogue)
{
    std::string out = "| Option | What it does |\n|---|---|\n";
    for (const Stanza& option : catalogue.options)
        out += "| `" + option.at("Option") + "` | " + paragraph(option.at("Effect")) + " |\n";
    return out + "| `--help`, `--version` | Given as the only argument: print the program's help or version and "
                 "exit, without opening a window. |\n";
}

std::string readme_tables(const Catalogue& catalogue)
{
    return "<!-- programs: made by ./demo.sh --gallery from catalogue/programs.txt -->\n" +
           programs_table(catalogue, true) + "\n" + options_table(catalogue) + "<!-- end of programs -->\n";
}

std::string installed_readme(const Catalogue& catalogue, const std::string& version)
{
    return "# glut-demos " + version +
           "\n\nSmall, independent OpenGL demonstration programs, each one window drawn with the\n"
           "fixed-function pipeline through freeglut. Run any of them from a shell; `<program> --help`\n"
           "and `man <program>` describe each one.\n\n## The programs\n\n" +
           programs_table(catalogue, false) +
           "\n## Toolkit options\n\nThe whole command line goes to the toolkit, which takes these options:\n\n" +
           options_table(catalogue) + "\nLicensed under the MIT licence; see `copyright` in this folder.\n";
}

// Text as HTML shows it, never as markup.
std::string html(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

// A program's own source file, as its page shows it: the path from the top
// of the tree, and its lines.
struct SourceFile {
    std::string path;
    std::vector<std::string> lines;
    bool ends_with_newline = true;
};

SourceFile read_source(const Stanza& program, const std::string& catalogue_path)
{
    SourceFile source;
    source.path = program.at("Folder") + "/" + program.at("Program") + ".cpp";
    const std::filesystem::path top = std::filesystem::path(catalogue_path).parent_path().parent_path();
    std::ifstream in(top / source.path, std::ios::binary);
    if (!in)
        throw std::runtime_error(where(program, "Folder") + "cannot read " + (top / source.path).string());
    std::ostringstream text;
    text << in.rdbuf();
    source.lines = lines_of(text.str());
    source.ends_with_newline = text.str().empty() || text.str().back() == '\n';
    return source;
}

// Where the definition of name starts in a line, if the line starts one: at
// the start of the line, the name followed by "(", "[", "{" or " =".
bool defines(const std::string& line, const std::string& name)
{
    if (line.empty() || std::isspace(static_cast<unsigned char>(line[0])) || line[0] == '/' || line[0] == '#' ||
        line[0] == '}')
        return false;
    for (auto at = line.find(name); at != std::string::npos; at = line.find(name, at + 1)) {
        const bool starts = at == 0 || !(std::isalnum(static_cast<unsigned char>(line[at - 1])) || line[at - 1] == '_');
        const std::string after = line.substr(at + name.size(), 2);
        if (starts && (after.starts_with("(") || after.starts_with("[") || after.starts_with("{") || after == " ="))
            return true;
    }
    return false;
}

// The frame starts a program from the row its own file defines.
void check_row(const Stanza& program, const SourceFile& source)
{
    for (const std::string& line : source.lines)
        if (line.starts_with("const ProgramSetup program{"))
            return;
    throw std::runtime_error(source.path + ":" + std::to_string(source.lines.size()) + ": " + program.at("Program") +
                             "'s file defines no row: it ends with \"const ProgramSetup program{...};\", " +
                             "as the programs beside it do (the catalogue names it at " + place(program, "Program") +
                             ")");
}

// The lines of a program's own file that make its idea: each definition
// Idea names, from the comment lines right above it to the line that ends
// it, the line itself for a one-line definition, else the next line that
// starts with "}".
std::vector<bool> idea_marks(const Stanza& program, const SourceFile& source)
{
    std::vector<bool> marked(source.lines.size(), false);
    std::istringstream names(program.at("Idea"));
    for (std::string name; names >> name;) {
        std::size_t first = 0;
        while (first < source.lines.size() && !defines(source.lines[first], name))
            ++first;
        if (first == source.lines.size())
            throw std::runtime_error(where(program, "Idea") + "Idea names " + name + ", which " + source.path +
                                     " does not define at the start of a line");
        std::size_t last = first;
        const std::string& opening = source.lines[first];
        if (!opening.ends_with(";") && !opening.ends_with("}"))
            while (last + 1 < source.lines.size() && !source.lines[last].starts_with("}"))
                ++last;
        while (first > 0 && source.lines[first - 1].starts_with("//"))
            --first;
        for (std::size_t line = first; line <= last; ++line)
            marked[line] = true;
    }
    return marked;
}

const std::string page_head = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n  <meta charset=\"utf-8\">\n"
                              "  <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                              "  <link rel=\"icon\" href=\"data:,\">\n  <link rel=\"stylesheet\" href=\"page.css\">\n";

std::string list_items(const std::string& text)
{
    std::string items;
    for (const std::string& line : lines_of(text))
        items += "        <li>" + html(line) + "</li>\n";
    return items;
}

// The page that runs one program in a browser: its window with a control
// strip and its command line, what it shows, its controls, what to try, and
// its source with the lines that make the idea marked. page.js runs it.
std::string web_page(const Stanza& program, const SourceFile& source)
{
    const std::string name = html(program.at("Program"));
    const std::vector<bool> marked = idea_marks(program, source);
    std::string code;
    for (std::size_t i = 0; i < source.lines.size(); ++i)
        code += std::string(marked[i] ? "<span class=\"line idea\">" : "<span class=\"line\">") +
                html(source.lines[i]) + "</span>" +
                (i + 1 < source.lines.size() || source.ends_with_newline ? "\n" : "");
    return page_head + "  <link rel=\"stylesheet\" href=\"highlight/github.css\">\n  <title>" + name +
           "</title>\n</head>\n<body data-program=\"" + name +
           "\">\n"
           "  <nav><a href=\"index.html\">All programs</a></nav>\n"
           "  <h1>" +
           name + "</h1>\n  <p class=\"summary\">" + html(program.at("Summary")) +
           "</p>\n"
           "  <div class=\"stage\">\n"
           "    <section class=\"run\" aria-label=\"The program\">\n"
           "      <div class=\"window\">\n"
           "        <div class=\"title\" id=\"title\"></div>\n"
           "        <div class=\"client\" id=\"client\" title=\"Drag the corner to resize the window\">"
           "<canvas id=\"canvas\" tabindex=\"0\" aria-label=\"The program's window\"></canvas></div>\n"
           "      </div>\n"
           "      <p class=\"strip\"><button id=\"pause\" disabled>Pause</button> <button id=\"step\" "
           "disabled>Step</button> <button id=\"restart\" disabled>Restart</button>\n"
           "        <output id=\"counts\"></output></p>\n"
           "      <form id=\"command\"><label for=\"args\">Command line:</label> <code>" +
           name +
           "</code> <input id=\"args\" name=\"args\" autocomplete=\"off\" spellcheck=\"false\" "
           "placeholder=\"-geometry 300x200\"> <button id=\"start\">Start</button></form>\n"
           "      <p id=\"focus\"></p>\n"
           "      <p id=\"status\" role=\"status\">This page runs the program with WebAssembly and JavaScript, "
           "which this browser has not started.</p>\n"
           "      <pre id=\"messages\"></pre>\n"
           "    </section>\n"
           "    <section class=\"about\">\n"
           "      <h2>What it shows</h2>\n      <p>" +
           html(paragraph(program.at("Description"))) +
           "</p>\n"
           "      <h2>Controls</h2>\n      <ul>\n" +
           list_items(program.at("Controls")) +
           "      </ul>\n"
           "      <h2>Try</h2>\n      <ul>\n" +
           list_items(program.at("Try")) +
           "      </ul>\n"
           "    </section>\n  </div>\n"
           "  <h2>The source: " +
           html(source.path) +
           "</h2>\n"
           "  <p>The marked lines make the idea; the frame library does the rest.</p>\n"
           "  <pre class=\"source\"><code id=\"source\">" +
           code +
           "</code></pre>\n"
           "  <script src=\"highlight/highlight.js\"></script>\n"
           "  <script src=\"runtime/glut_runtime.js\"></script>\n"
           "  <script src=\"page.js\"></script>\n</body>\n</html>\n";
}

// The index of the pages, in the catalogue's order: a tile per program with
// its picture or film from the gallery.
std::string web_index(const Catalogue& catalogue)
{
    std::string tiles;
    for (const Stanza& program : catalogue.programs) {
        const std::string name = html(program.at("Program"));
        const std::string still = "<img src=\"../gallery/" + name + ".png\" alt=\"\" width=\"240\" height=\"240\">";
        tiles += "    <li><a href=\"" + name + ".html\">" +
                 (has_film(program) ? "<picture><source srcset=\"../gallery/" + name + ".webp\" type=\"image/webp\">" +
                                          still + "</picture>"
                                    : still) +
                 "<strong>" + name + "</strong> " + html(program.at("Summary")) + "</a></li>\n";
    }
    return page_head +
           "  <title>GLUT demos</title>\n</head>\n<body>\n"
           "  <h1>GLUT demos</h1>\n  <p>Small OpenGL programs, each showing one idea, running in these "
           "pages on Mesa compiled to WebAssembly: the same pixels as on the desktop. Each page shows "
           "the program live beside what it shows and its source.</p>\n  <ul class=\"tiles\">\n" +
           tiles + "  </ul>\n</body>\n</html>\n";
}

// The build's lists, as CMake reads them.
std::string cmake_lists(const Catalogue& catalogue)
{
    std::string programs, moving, films;
    for (const Stanza& program : catalogue.programs) {
        const std::string& name = program.at("Program");
        programs += " " + name;
        if (program.at("Moves") == "yes")
            moving += " " + name;
        if (has_film(program))
            films += " " + name;
    }
    std::string out = "# Made by make_catalogue from the catalogue; do not edit.\nset(DEMO_CATALOGUE_PROGRAMS" +
                      programs + ")\nset(DEMO_MOVING_PROGRAMS" + moving + ")\nset(DEMO_FILM_PROGRAMS" + films + ")\n";
    // Where each program's sources are, and what it links beyond the frame.
    for (const Stanza& program : catalogue.programs) {
        const std::string& name = program.at("Program");
        out += "set(DEMO_FOLDER_" + name + " " + program.at("Folder") + ")\n";
        if (program.count("Sources"))
            out += "set(DEMO_SOURCES_" + name + " " + program.at("Sources") + ")\n";
        if (program.count("Uses"))
            out += "set(DEMO_USES_" + name + " " + program.at("Uses") + ")\n";
    }
    return out;
}

// One line per program, its name and its summary, as the scripts and the
// READMEs list them.
std::string listing(const Catalogue& catalogue)
{
    std::string out;
    for (const Stanza& program : catalogue.programs) {
        const std::string& name = program.at("Program");
        out += "  " + name + std::string(name.size() < 18 ? 18 - name.size() : 0, ' ') + " " + program.at("Summary") +
               "\n";
    }
    return out;
}

// Written only when the text changes, so that a new run rebuilds nothing;
// line ends are "\n" whatever the system.
void write_file(const std::string& path, const std::string& text)
{
    {
        std::ifstream old(path, std::ios::binary);
        std::ostringstream held;
        held << old.rdbuf();
        if (old && held.str() == text)
            return;
    }
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

// The answers to the scripts' questions.
int answer(const Catalogue& catalogue, const std::string& question)
{
    if (question == "--listing") {
        std::cout << listing(catalogue);
        return 0;
    }
    if (question == "--beside") {
        for (const Stanza& program : catalogue.programs)
            if (program.count("Beside"))
                std::cout << beside(catalogue, program).at("Program") << " " << program.at("Program") << "\n";
        return 0;
    }
    if (question != "--programs" && question != "--films" && question != "--moving")
        return 2;
    for (const Stanza& program : catalogue.programs)
        if (question == "--programs" || (question == "--films" && has_film(program)) ||
            (question == "--moving" && program.at("Moves") == "yes"))
            std::cout << program.at("Program") << "\n";
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: make_catalogue CATALOGUE VERSION DATE OUTDIR|--readme\n"
                             "       make_catalogue CATALOGUE --page PROGRAM OUT.html | --index OUT.html\n"
                             "       make_catalogue CATALOGUE --programs|--films|--moving|--listing|--beside\n");
        return 2;
    }
    try {
        const std::string mode = argv[2];
        if (argc == 5 && mode == "--page") {
            const Catalogue catalogue = read_catalogue(argv[1]);
            for (const Stanza& program : catalogue.programs)
                if (program.at("Program") == argv[3]) {
                    write_file(argv[4], web_page(program, read_source(program, argv[1])));
                    return 0;
                }
            throw std::runtime_error(std::string("no program called ") + argv[3]);
        }
        if (argc == 4 && mode == "--index") {
            write_file(argv[3], web_index(read_catalogue(argv[1])));
            return 0;
        }
        if (argc == 3) {
            const int status = answer(read_catalogue(argv[1]), argv[2]);
            if (status != 0)
                std::fprintf(stderr, "make_catalogue: no such question: %s\n", argv[2]);
            return status;
        }
        const Catalogue catalogue = read_catalogue(argv[1]);
        const std::string version = argv[2], date = argv[3], out = argv[4];
        if (out == "--readme") {
            std::cout << readme_tables(catalogue);
            return 0;
        }
        for (const Stanza& program : catalogue.programs) {
            const std::string& name = program.at("Program");
            write_file(out + "/" + name + "_about.cpp", about_source(program, catalogue, version));
            write_file(out + "/" + name + "_film.cpp", film_source(program));
            write_file(out + "/" + name + ".6", man_page(program, catalogue, version, date));
            write_file(out + "/glut-demos-" + name + ".desktop", desktop_entry(program));
        }
        write_file(out + "/catalogue.h", tests_header(catalogue));
        write_file(out + "/catalogue.cmake", cmake_lists(catalogue));
        write_file(out + "/listing.txt", listing(catalogue));
        write_file(out + "/README.md", installed_readme(catalogue, version));
        // Every build checks that each program's file holds its row and what
        // its web page marks, so that a file without a row or with a renamed
        // definition fails here, with the line to mend.
        for (const Stanza& program : catalogue.programs) {
            const SourceFile source = read_source(program, argv[1]);
            check_row(program, source);
            idea_marks(program, source);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_catalogue: %s\n", error.what());
        return 1;
    }
    return 0;
}
