#include "site.h"

#include <set>
#include <stdexcept>

#include "text.h"

namespace {

std::string list_items(const std::string& text)
{
    std::string items;
    for (const std::string& line : lines_of(text))
        items += "<li>" + html(line) + "</li>\n";
    return items;
}

// The page's own controls for the input the program takes, so that a touch
// screen reaches every one: the button a touch or pen gives, and a button
// per key, which the page gives as the keyboard gives that key (data-key
// holds the key's name as the browser's keyboard events do).
std::string input_controls(const Program& program)
{
    const InputsTaken taken = program.inputs_taken();
    std::string out;
    if (taken.buttons) {
        out += "<p class=\"inputs\" role=\"group\" aria-label=\"The button a touch or pen gives\">Touch and pen "
               "give the";
        const char* const names[] = {"left", "middle", "right"};
        for (int button = 0; button < 3; ++button)
            out += std::string(" <button type=\"button\" data-button=\"") + std::to_string(button) +
                   "\" aria-pressed=\"" + (button == 0 ? "true" : "false") + "\">" + names[button] + "</button>";
        out += " button.</p>\n";
    }
    if (!taken.keys.empty()) {
        out += "<p class=\"inputs\" role=\"group\" aria-label=\"Keys\">Keys:";
        for (const std::string& key : taken.keys)
            out += " <button type=\"button\" data-key=\"" + html(key == "Space" ? " " : key) + "\">" + html(key) +
                   "</button>";
        out += "</p>\n";
    }
    return out;
}

} // namespace

std::string filled(const std::string& page, const std::map<std::string, std::string>& slots)
{
    std::string out;
    std::set<std::string> used;
    std::size_t at = 0;
    for (auto open = page.find("{{"); open != std::string::npos; open = page.find("{{", at)) {
        const auto close = page.find("}}", open);
        if (close == std::string::npos)
            throw std::runtime_error("a template's slot is not closed: " + page.substr(open, 40));
        const std::string name = page.substr(open + 2, close - open - 2);
        const auto slot = slots.find(name);
        if (slot == slots.end())
            throw std::runtime_error("a template's slot {{" + name + "}} has nothing to fill it");
        used.insert(name);
        // A slot alone on its line: each of the HTML's lines, indented so.
        const auto line_start = page.rfind('\n', open) + 1;
        const std::string indent = page.substr(line_start, open - line_start);
        const bool alone =
            indent.find_first_not_of(' ') == std::string::npos && (close + 2 == page.size() || page[close + 2] == '\n');
        out += page.substr(at, alone ? line_start - at : open - at);
        if (alone) {
            for (const std::string& line : lines_of(slot->second))
                out += indent + line + "\n";
            at = close + 3;
        } else {
            out += slot->second;
            at = close + 2;
        }
    }
    out += page.substr(std::min(at, page.size()));
    for (const auto& [name, html] : slots)
        if (!used.count(name))
            throw std::runtime_error("the template has no slot {{" + name + "}}");
    return out;
}

std::string web_page(const std::string& page, const Program& program, const SourceFile& source)
{
    const std::vector<bool> marked = idea_marks(program, source);
    std::string code;
    for (std::size_t i = 0; i < source.lines.size(); ++i)
        code += std::string(marked[i] ? "<span class=\"line idea\">" : "<span class=\"line\">") +
                html(source.lines[i]) + "</span>" +
                (i + 1 < source.lines.size() || source.ends_with_newline ? "\n" : "");
    return filled(page, {{"name", html(program.name)},
                         {"summary", html(program.summary.text)},
                         {"description", html(paragraph(program.description.text))},
                         {"controls", list_items(program.controls.text)},
                         {"inputs", input_controls(program)},
                         {"try", list_items(program.try_these.text)},
                         {"source_path", html(source.path)},
                         {"source", code}});
}

std::string web_index(const std::string& page, const Catalogue& catalogue)
{
    std::string tiles;
    for (const Program& program : catalogue.programs) {
        const std::string name = html(program.name);
        const std::string still = "<img src=\"../gallery/" + name + ".png\" alt=\"\" width=\"240\" height=\"240\">";
        tiles += "<li><a href=\"" + name + ".html\">" +
                 (program.film ? "<picture><source srcset=\"../gallery/" + name + ".webp\" type=\"image/webp\">" +
                                     still + "</picture>"
                               : still) +
                 "<strong>" + name + "</strong> " + html(program.summary.text) + "</a></li>\n";
    }
    return filled(page, {{"tiles", tiles}});
}
