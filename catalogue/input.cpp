#include "input.h"

#include <algorithm>
#include <regex>
#include <stdexcept>

const char* const input_notation = "FRAME: press|release BUTTON [at X,Y], FRAME: drag BUTTON from X,Y by DX,DY "
                                   "over N frames, FRAME: key C|space|escape";

namespace {

int button_of(const std::string& name) { return name == "left" ? 0 : name == "middle" ? 1 : 2; }

} // namespace

int parse_input(const std::string& line, std::vector<Cue>& cues)
{
    static const std::regex button_line(R"((\d+): (press|release) (left|middle|right)(?: at (\d+),(\d+))?)");
    static const std::regex drag_line(
        R"((\d+): drag (left|middle|right) from (\d+),(\d+) by (-?\d+),(-?\d+) over (\d+) frames)");
    static const std::regex key_line(R"((\d+): key (space|escape|\S))");
    std::smatch m;
    if (std::regex_match(line, m, button_line)) {
        Cue cue{.frame = std::stoi(m[1]), .kind = m[2] == "press" ? Cue::press : Cue::release};
        cue.button = button_of(m[3]);
        if (m[4].matched) {
            cue.x = std::stoi(m[4]);
            cue.y = std::stoi(m[5]);
        }
        cues.push_back(cue);
        return cue.frame;
    }
    if (std::regex_match(line, m, drag_line)) {
        const int first = std::stoi(m[1]), button = button_of(m[2]), x = std::stoi(m[3]), y = std::stoi(m[4]);
        const int dx = std::stoi(m[5]), dy = std::stoi(m[6]), steps = std::max(1, std::stoi(m[7]));
        cues.push_back({.frame = first, .kind = Cue::press, .button = button, .x = x, .y = y});
        for (int k = 1; k <= steps; ++k)
            cues.push_back({.frame = first + k, .kind = Cue::motion, .x = x + dx * k / steps, .y = y + dy * k / steps});
        const int last = first + steps + 1;
        cues.push_back({.frame = last, .kind = Cue::release, .button = button, .x = x + dx, .y = y + dy});
        return last;
    }
    if (std::regex_match(line, m, key_line)) {
        const std::string key = m[2];
        const unsigned char code = key == "space" ? ' ' : key == "escape" ? 27 : static_cast<unsigned char>(key[0]);
        cues.push_back({.frame = std::stoi(m[1]), .kind = Cue::key, .character = code});
        return cues.back().frame;
    }
    throw std::invalid_argument("not an input of a film: " + line + " (" + input_notation + ")");
}
