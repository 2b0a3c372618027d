// The programs' own files, as the catalogue's checks and web pages read them.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue.h"
#include "text.h"

namespace {

// Whether a line starts the definition of name: at the start of the line,
// the name followed by "(", "[", "{" or " =".
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

} // namespace

SourceFile read_source(const Program& program, const std::string& top)
{
    SourceFile source;
    source.path = program.source_path();
    const std::filesystem::path file = std::filesystem::path(top) / source.path;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw CatalogueError(program.folder.place, "cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    source.lines = lines_of(text.str());
    source.ends_with_newline = text.str().empty() || text.str().back() == '\n';
    return source;
}

void check_row(const Program& program, const SourceFile& source)
{
    for (const std::string& line : source.lines)
        if (line.starts_with("const ProgramSetup program{"))
            return;
    throw CatalogueError({source.path, static_cast<int>(source.lines.size())},
                         program.name + "'s file defines no row: it ends with \"const ProgramSetup program{...};\", " +
                             "as the programs beside it do (the catalogue names it at " + program.place.str() + ")");
}

// Each definition runs from its first line to the line that ends it: the
// line itself for a one-line definition, else the next line that starts
// with "}".
std::vector<bool> idea_marks(const Program& program, const SourceFile& source)
{
    std::vector<bool> marked(source.lines.size(), false);
    std::istringstream names(program.idea.text);
    for (std::string name; names >> name;) {
        std::size_t first = 0;
        while (first < source.lines.size() && !defines(source.lines[first], name))
            ++first;
        if (first == source.lines.size())
            throw CatalogueError(program.idea.place, "Idea names " + name + ", which " + source.path +
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
