// Makes every text about the programs from the catalogue, the one place that
// says what each program is, shows and takes, and answers the scripts'
// questions about it. It runs on the machine that builds, and what it writes
// does not depend on the system built for.
//
//   make_catalogue CATALOGUE build VERSION DATE OUTDIR
//       the build's files: each program's help and version, film script,
//       manual page and menu entry; the tests' table, CMake's lists, the
//       listing of the programs and the README installed with them. Checks
//       each program's own file.
//   make_catalogue CATALOGUE readme --update README.md
//       replaces the README's tables of programs and options
//   make_catalogue CATALOGUE page PROGRAM OUT.html
//   make_catalogue CATALOGUE index OUT.html
//       a program's web page, or the pages' index, from web/page.html and
//       web/index.html
//   make_catalogue CATALOGUE list programs|films|moving|summaries|beside
//       the programs' names, those with a film or those that move, one a
//       line; or each name with its summary; or the pairs of programs whose
//       films the gallery shows side by side, a pair a line
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "build_files.h"
#include "catalogue.h"
#include "documents.h"
#include "site.h"
#include "text.h"

namespace {

const char* const usage = "usage: make_catalogue CATALOGUE build VERSION DATE OUTDIR\n"
                          "       make_catalogue CATALOGUE readme --update README.md\n"
                          "       make_catalogue CATALOGUE page PROGRAM OUT.html\n"
                          "       make_catalogue CATALOGUE index OUT.html\n"
                          "       make_catalogue CATALOGUE list programs|films|moving|summaries|beside\n";

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The tree's top folder, above the catalogue's own.
std::string top_of(const std::string& catalogue_path)
{
    return std::filesystem::absolute(catalogue_path).parent_path().parent_path().string();
}

void write_build_files(const Catalogue& catalogue, const std::string& top, const std::string& version,
                       const std::string& date, const std::string& out)
{
    for (const Program& program : catalogue.programs) {
        const std::string& name = program.name;
        write_file(out + "/" + name + "_about.cpp", about_source(program, catalogue, version));
        write_file(out + "/" + name + "_film.cpp", film_source(program));
        write_file(out + "/" + name + ".6", man_page(program, catalogue, version, date));
        write_file(out + "/glut-demos-" + name + ".desktop", desktop_entry(program));
    }
    write_file(out + "/catalogue_table.h", tests_header(catalogue));
    write_file(out + "/catalogue.cmake", cmake_lists(catalogue));
    write_file(out + "/listing.txt", summaries(catalogue));
    write_file(out + "/README.md", installed_readme(catalogue, version));
    // Every build checks that each program's file holds its row and what
    // its web page marks, so that a file without a row or with a renamed
    // definition fails here, with the line to mend.
    for (const Program& program : catalogue.programs) {
        const SourceFile source = read_source(program, top);
        check_row(program, source);
        idea_marks(program, source);
    }
}

bool list(const Catalogue& catalogue, const std::string& what)
{
    if (what == "summaries") {
        std::cout << summaries(catalogue);
        return true;
    }
    if (what == "beside") {
        for (const Program& program : catalogue.programs)
            if (program.beside.given())
                std::cout << catalogue.beside(program).name << " " << program.name << "\n";
        return true;
    }
    if (what != "programs" && what != "films" && what != "moving")
        return false;
    for (const Program& program : catalogue.programs)
        if (what == "programs" || (what == "films" && program.film) || (what == "moving" && program.moves))
            std::cout << program.name << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto is = [&args](const char* command, std::size_t count) { return args.size() == count && args[1] == command; };
    try {
        if (args.size() < 2) {
            std::fputs(usage, stderr);
            return 2;
        }
        const std::string& path = args[0];
        const std::string top = top_of(path);
        if (is("build", 5)) {
            write_build_files(read_catalogue_file(path), top, args[2], args[3], args[4]);
        } else if (is("readme", 4) && args[2] == "--update") {
            write_file(args[3], readme_updated(read_file(args[3]), read_catalogue_file(path)));
        } else if (is("page", 4)) {
            const Catalogue catalogue = read_catalogue_file(path);
            const Program& program = catalogue.program(args[2]);
            write_file(args[3], web_page(read_file(top + "/web/page.html"), program, read_source(program, top)));
        } else if (is("index", 3)) {
            write_file(args[2], web_index(read_file(top + "/web/index.html"), read_catalogue_file(path)));
        } else if (!(is("list", 3) && list(read_catalogue_file(path), args[2]))) {
            std::fputs(usage, stderr);
            return 2;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_catalogue: %s\n", error.what());
        return 1;
    }
    return 0;
}
