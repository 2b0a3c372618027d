#include "documents.h"

#include <sstream>
#include <stdexcept>

#include "text.h"

namespace {

// "what: effect" split at the first ": ".
std::pair<std::string, std::string> control_parts(const std::string& line)
{
    const auto split = line.find(": ");
    if (split == std::string::npos)
        return {line, ""};
    return {line.substr(0, split), line.substr(split + 2)};
}

// One cell of a markdown table: line ends become breaks.
std::string cell(const std::string& text)
{
    std::string out;
    for (const std::string& line : lines_of(text))
        out += (out.empty() ? "" : "<br>") + line;
    return out;
}

// The table of programs; pictures only where they are shipped with it.
std::string programs_table(const Catalogue& catalogue, bool pictures)
{
    std::string out = pictures ? "| Program | Picture | What it shows | Input |\n|---|---|---|---|\n"
                               : "| Program | What it shows | Input |\n|---|---|---|\n";
    for (const Program& program : catalogue.programs) {
        const std::string& name = program.name;
        out += pictures ? "| [`" + name + "`](docs/web/" + name + ".html) | " : "| `" + name + "` | ";
        if (pictures) {
            const std::string still = "<img src=\"docs/gallery/" + name + ".png\" width=\"160\" alt=\"" + name + "\">";
            if (program.film)
                out += "<picture><source srcset=\"docs/gallery/" + name + ".webp\" type=\"image/webp\">" + still +
                       "</picture>";
            else
                out += still;
            out += " | ";
        }
        out += paragraph(program.description.text) + " | " + cell(program.controls.text) + " |\n";
    }
    return out;
}

std::string options_table(const Catalogue& catalogue)
{
    std::string out = "| Option | What it does |\n|---|---|\n";
    for (const Option& option : catalogue.options)
        out += "| `" + option.typed + "` | " + paragraph(option.effect.text) + " |\n";
    return out + "| `--help`, `--version` | Given as the only argument: print the program's help or version and "
                 "exit, without opening a window. |\n";
}

const std::string tables_start = "<!-- programs: made by ./demo.sh --gallery from catalogue/programs.txt -->\n";
const std::string tables_end = "<!-- end of programs -->\n";

} // namespace

std::string help_text(const Program& program, const Catalogue& catalogue, const std::string& version)
{
    const std::string& name = program.name;
    std::ostringstream out;
    out << name << ": " << program.summary.text << "\n\nUsage: " << name << " [toolkit options]\n       " << name
        << " --help | --version\n\n";
    for (const std::string& line : wrapped(program.description.text, 76))
        out << line << "\n";
    out << "\nControls:\n";
    if (program.takes_no_input())
        out << "  none\n";
    // A control too long for one line goes on, indented, on the next.
    for (const std::string& control : lines_of(program.controls.text))
        if (!program.takes_no_input()) {
            const std::vector<std::string> lines = wrapped(control, 76);
            for (std::size_t i = 0; i < lines.size(); ++i)
                out << (i == 0 ? "  " : "      ") << lines[i] << "\n";
        }
    out << "\nToolkit options:\n";
    for (const Option& option : catalogue.options) {
        out << "  " << option.typed << "\n";
        for (const std::string& line : wrapped(option.effect.text, 70))
            out << "      " << line << "\n";
    }
    out << "\n  --help     print this text and exit\n  --version  print the version and exit\n\nglut-demos " << version
        << "; see also man " << name << "\n";
    return out.str();
}

std::string man_page(const Program& program, const Catalogue& catalogue, const std::string& version,
                     const std::string& date)
{
    const std::string& name = program.name;
    std::ostringstream out;
    out << ".TH " << roff(upper(name)) << " 6 " << date << " \"glut-demos " << version << "\" \"Games Manual\"\n"
        << ".SH NAME\n"
        << roff(name) << " \\- " << roff(program.summary.text) << "\n.SH SYNOPSIS\n.B " << roff(name)
        << "\n[\\fItoolkit options\\fR]\n.br\n.B " << roff(name) << "\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n"
        << ".SH DESCRIPTION\n"
        << roff(paragraph(program.description.text)) << "\n.SH CONTROLS\n";
    if (program.takes_no_input())
        out << "None: the program takes no mouse or keyboard input.\n";
    else
        for (const std::string& line : lines_of(program.controls.text)) {
            const auto [what, effect] = control_parts(line);
            out << ".TP\n.B " << roff(what) << "\n" << roff(effect) << "\n";
        }
    out << ".SH OPTIONS\nThe whole command line goes to the GLUT toolkit, which takes these options:\n";
    for (const Option& option : catalogue.options) {
        const auto space = option.typed.find(' ');
        out << ".TP\n.B " << roff(option.typed.substr(0, space));
        if (space != std::string::npos)
            out << " \\fI" << roff(option.typed.substr(space + 1)) << "\\fR";
        out << "\n" << roff(paragraph(option.effect.text)) << "\n";
    }
    out << ".PP\nGiven as the only argument, these are answered without opening a window:\n"
        << ".TP\n.B \\-\\-help\nPrint a summary of the program, its controls and the toolkit options, and exit.\n"
        << ".TP\n.B \\-\\-version\nPrint the version and exit.\n"
        << ".SH EXIT STATUS\n0 when the program ends on Escape (where it takes Escape), or after "
        << "\\fB\\-\\-help\\fR or \\fB\\-\\-version\\fR; non-zero when the toolkit ends it on an error, "
           "such as a display that cannot be opened.\n"
        << ".SH SEE ALSO\n";
    std::string others;
    for (const Program& other : catalogue.programs)
        if (other.name != name)
            others += (others.empty() ? "" : ",\n") + ("\\fB" + roff(other.name) + "\\fR(6)");
    out << others << "\n";
    return out.str();
}

std::string desktop_entry(const Program& program)
{
    const std::string& name = program.name;
    return "[Desktop Entry]\nType=Application\nName=" + name +
           "\nGenericName=OpenGL demonstration\nComment=" + capitalised(program.summary.text) + "\nExec=" + name +
           "\nIcon=glut-demos-" + name +
           "\nTerminal=false\nCategories=Education;ComputerScience;\nKeywords=OpenGL;GLUT;demo;\n";
}

std::string readme_tables(const Catalogue& catalogue)
{
    return tables_start + programs_table(catalogue, true) + "\n" + options_table(catalogue) + tables_end;
}

std::string readme_updated(const std::string& readme, const Catalogue& catalogue)
{
    // Where the line that starts with mark starts, from `from` on.
    auto line_starting = [&readme](const std::string& mark, std::size_t from) {
        for (auto at = readme.find(mark, from); at != std::string::npos; at = readme.find(mark, at + 1))
            if (at == 0 || readme[at - 1] == '\n')
                return at;
        return std::string::npos;
    };
    const std::string start_mark = "<!-- programs:", end_mark = "<!-- end of programs -->";
    const auto start = line_starting(start_mark, 0);
    const auto end = start == std::string::npos ? start : line_starting(end_mark, start);
    if (end == std::string::npos)
        throw std::runtime_error("the README has no line \"" + start_mark + " ...\" and, below it, \"" + end_mark +
                                 "\" for the tables to go between");
    const auto after = readme.find('\n', end);
    return readme.substr(0, start) + readme_tables(catalogue) +
           (after == std::string::npos ? "" : readme.substr(after + 1));
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

std::string summaries(const Catalogue& catalogue)
{
    std::string out;
    for (const Program& program : catalogue.programs) {
        const std::string& name = program.name;
        out +=
            "  " + name + std::string(name.size() < 18 ? 18 - name.size() : 0, ' ') + " " + program.summary.text + "\n";
    }
    return out;
}
