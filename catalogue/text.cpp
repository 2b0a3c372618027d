#include "text.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string paragraph(const std::string& text)
{
    std::string joined;
    for (const std::string& line : lines_of(text))
        joined += (joined.empty() ? "" : " ") + line;
    return joined;
}

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

std::string banner(const std::string& comment)
{
    return comment + " Made by make_catalogue from the catalogue; do not edit.\n";
}

std::string c_literal(const std::string& text)
{
    std::string literal = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            literal += '\\';
        if (c == '\n')
            literal += "\\n";
        else
            literal += c;
    }
    return literal + "\"";
}

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

std::string roff(const std::string& text)
{
    std::string out;
    for (const char c : text) {
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

std::string capitalised(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

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
