#include "catalogue.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "text.h"

namespace {

// A stanza as read: its fields by name.
using Stanza = std::map<std::string, Field>;

const std::vector<std::string> program_fields{"Program",  "Folder", "Sources", "Uses",  "Summary", "Description",
                                              "Controls", "Idea",   "Try",     "Moves", "Film",    "Beside"};
const std::vector<std::string> option_fields{"Option", "Effect"};

bool is_identifier(const std::string& word)
{
    if (word.empty() || std::isdigit(static_cast<unsigned char>(word[0])))
        return false;
    return std::all_of(word.begin(), word.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// The stanza's fields as a program, each checked.
Program program_of(Stanza& stanza)
{
    Program program;
    program.name = stanza["Program"].text;
    program.place = stanza["Program"].place;
    program.folder = stanza["Folder"];
    program.sources = stanza["Sources"];
    program.uses = stanza["Uses"];
    program.summary = stanza["Summary"];
    program.description = stanza["Description"];
    program.controls = stanza["Controls"];
    program.idea = stanza["Idea"];
    program.try_these = stanza["Try"];
    program.beside = stanza["Beside"];
    check_required_fields(program);
    const Field& moves = stanza["Moves"];
    if (!moves.given())
        throw CatalogueError(program.place, program.name + " has no Moves");
    if (moves.text != "yes" && moves.text != "no")
        throw CatalogueError(moves.place, "Moves is yes or no, not: " + moves.text);
    program.moves = moves.text == "yes";
    check_page_fields(program);
    program.inputs_taken();
    if (stanza.count("Film"))
        program.film = read_film(stanza["Film"], program.name);
    return program;
}

} // namespace

bool Program::escape_quits() const
{
    for (const std::string& line : lines_of(controls.text))
        if (line.starts_with("Escape: ") || line == "Escape")
            return true;
    return false;
}

InputsTaken Program::inputs_taken() const
{
    InputsTaken taken;
    if (takes_no_input())
        return taken;
    for (const std::string& line : lines_of(controls.text)) {
        const auto colon = line.find(": ");
        const std::string what = line.substr(0, colon);
        if (colon == std::string::npos || what.empty())
            throw CatalogueError(controls.place, "each of Controls' lines is \"what: effect\", not: " + line);
        if (what.find("button") != std::string::npos)
            taken.buttons = true;
        else if ((what.size() == 1 && std::isgraph(static_cast<unsigned char>(what[0]))) || what == "Space" ||
                 what == "Escape")
            taken.keys.push_back(what);
        else
            throw CatalogueError(controls.place, "a line of Controls names a button, or one key as it is labelled "
                                                 "(a character, Space or Escape), not: " +
                                                     what);
    }
    return taken;
}

const Program& Catalogue::program(const std::string& name) const
{
    for (const Program& program : programs)
        if (program.name == name)
            return program;
    throw std::runtime_error("no program called " + name);
}

const Program& Catalogue::beside(const Program& program) const
{
    const std::string& other = program.beside.text;
    for (const Program& candidate : programs)
        if (candidate.name == other && other != program.name) {
            if (!candidate.film || !program.film)
                throw CatalogueError(program.beside.place, "a film goes beside another only where both " +
                                                               program.name + " and " + other + " have a Film");
            return candidate;
        }
    throw CatalogueError(program.beside.place, "Beside names " + other + ", which is no other program");
}

void check_required_fields(const Program& program)
{
    const std::pair<const char*, const Field*> required[] = {
        {"Folder", &program.folder},     {"Summary", &program.summary}, {"Description", &program.description},
        {"Controls", &program.controls}, {"Idea", &program.idea},       {"Try", &program.try_these}};
    for (const auto& [name, field] : required)
        if (!field->given())
            throw CatalogueError(program.place, program.name + " has no " + name);
}

// Idea: names of the definitions to mark; Try: two or three sentences.
void check_page_fields(const Program& program)
{
    std::istringstream names(program.idea.text);
    int count = 0;
    for (std::string name; names >> name; ++count)
        if (!is_identifier(name))
            throw CatalogueError(program.idea.place,
                                 "Idea names \"" + name + "\", which is not a name a definition can have");
    if (count == 0)
        throw CatalogueError(program.idea.place, "Idea names no definition of " + program.name);
    const std::vector<std::string> tries = lines_of(program.try_these.text);
    if (tries.size() < 2 || tries.size() > 3)
        throw CatalogueError(program.try_these.place,
                             "Try takes two or three things to do, one a line; it has " + std::to_string(tries.size()));
    for (const std::string& line : tries)
        if (line.empty() || line.back() != '.')
            throw CatalogueError(program.try_these.place,
                                 "each of Try's lines is a sentence ending in a full stop, not: " + line);
}

// The first line gives the film's length, size, pace and picture; each line
// after it, one input in the notation of input.h, which must come before
// the last frame to show.
Film read_film(const Field& field, const std::string& program)
{
    const std::vector<std::string> lines = lines_of(field.text);
    static const std::regex film_line(
        R"((\d+) frames of (\d+)x(\d+), (\d+) idle calls? apart, the picture at frame (\d+))");
    std::smatch m;
    if (lines.empty() || !std::regex_match(lines[0], m, film_line))
        throw CatalogueError(field.place, "Film starts with \"N frames of WxH, N idle calls apart, the picture at "
                                          "frame N\", not: " +
                                              (lines.empty() ? "" : lines[0]));
    Film film{.frames = std::stoi(m[1]),
              .width = std::stoi(m[2]),
              .height = std::stoi(m[3]),
              .steps_per_frame = std::stoi(m[4]),
              .still = std::stoi(m[5]),
              .cues = {},
              .place = field.place};
    if (film.frames < 2 || film.width < 1 || film.height < 1 || film.still >= film.frames)
        throw CatalogueError(field.place, program + "'s film needs two frames or more, a size, and its picture "
                                                    "among its frames");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const Place place = field.place.lines_on(static_cast<int>(i));
        int last = 0;
        try {
            last = parse_input(lines[i], film.cues);
        } catch (const std::invalid_argument& error) {
            throw CatalogueError(place, error.what());
        }
        if (last >= film.frames - 1)
            throw CatalogueError(place, "this input comes too late to show: the film's last frame is " +
                                            std::to_string(film.frames - 1));
    }
    return film;
}

// A stanza per program or option, separated by blank lines; "Name: value"
// starts a field, a line that starts with a space continues it, joined with
// a newline, and " ." stands for an empty line. Lines that start with "#"
// are comments.
Catalogue read_catalogue(std::istream& in, const std::string& path)
{
    Catalogue catalogue;
    std::vector<Stanza> programs;
    Stanza stanza;
    std::string field, line;
    int number = 0;
    auto finish = [&] {
        if (stanza.empty())
            return;
        const bool is_program = stanza.count("Program") > 0;
        if (!is_program && !stanza.count("Option"))
            throw CatalogueError(stanza.begin()->second.place, "a stanza is a Program's or an Option's");
        for (const auto& [name, value] : stanza)
            if (!std::ranges::count(is_program ? program_fields : option_fields, name))
                throw CatalogueError(value.place, std::string(is_program ? "a program" : "an option") +
                                                      " has no field called " + name);
        if (is_program) {
            programs.push_back(stanza);
        } else {
            if (!stanza.count("Effect"))
                throw CatalogueError(stanza["Option"].place, "the option " + stanza["Option"].text + " has no Effect");
            catalogue.options.push_back({stanza["Option"].text, stanza["Effect"]});
        }
        stanza.clear();
        field.clear();
    };
    while (std::getline(in, line)) {
        ++number;
        if (line.starts_with("#"))
            continue;
        if (line.empty()) {
            finish();
        } else if (line[0] == ' ') {
            if (field.empty())
                throw CatalogueError({path, number}, "a continued line with no field above it");
            std::string& value = stanza[field].text;
            if (!value.empty())
                value += '\n';
            if (line != " .")
                value += line.substr(1);
        } else {
            const auto colon = line.find(':');
            if (colon == std::string::npos)
                throw CatalogueError({path, number}, "no field name in: " + line);
            field = line.substr(0, colon);
            if (stanza.count(field))
                throw CatalogueError({path, number},
                                     field + " given twice, first at line " + std::to_string(stanza[field].place.line));
            const auto value = line.find_first_not_of(' ', colon + 1);
            stanza[field] = {value == std::string::npos ? "" : line.substr(value), {path, number}};
        }
    }
    finish();
    for (Stanza& program : programs)
        catalogue.programs.push_back(program_of(program));
    for (const Program& program : catalogue.programs)
        if (program.beside.given())
            catalogue.beside(program);
    return catalogue;
}

Catalogue read_catalogue_file(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return read_catalogue(in, path);
}
