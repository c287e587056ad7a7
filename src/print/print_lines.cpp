#include "print/print_lines.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace mdlPicPrint {

namespace {

constexpr std::string_view ellipsis = "...";

bool continuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::vector<std::string> linesOf(platform::PrinterDevice& printer, std::string_view text,
                                 double width, std::string_view breakAfter, size_t maxLines) {
    // Where each character ends, so lines break between characters only.
    std::vector<size_t> ends;
    for (size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || !continuesCharacter(text[i])) ends.push_back(i);
    }
    std::vector<std::string> lines;
    size_t done = 0;  // characters already on lines
    const auto offset = [&](size_t characters) { return characters ? ends[characters - 1] : 0; };
    // How many of the characters left fit within `limit` (at least one): a
    // gallop over doubling counts, then halving, so a line costs
    // measurements of about its own length, whatever is left after it.
    const auto fitting = [&](double limit) {
        const size_t left = ends.size() - done;
        const auto fits = [&](size_t count) {
            const size_t begin = offset(done);
            return printer.textWidth(text.substr(begin, offset(done + count) - begin)) <= limit;
        };
        size_t good = 1;
        size_t bad = left + 1;
        for (size_t count = 64;; count *= 2) {
            if (count >= left) {
                if (fits(left)) return left;
                bad = left;
                break;
            }
            if (!fits(count)) {
                bad = count;
                break;
            }
            good = count;
        }
        while (bad - good > 1) {
            const size_t middle = good + (bad - good) / 2;
            (fits(middle) ? good : bad) = middle;
        }
        return good;
    };

    maxLines = std::max<size_t>(maxLines, 1);
    while (done < ends.size()) {
        const size_t begin = offset(done);
        if (lines.size() + 1 == maxLines) {
            const size_t count = fitting(width);
            if (done + count == ends.size()) {
                lines.emplace_back(text.substr(begin));
            } else {
                const size_t cut = fitting(width - printer.textWidth(ellipsis));
                lines.push_back(std::string(text.substr(begin, offset(done + cut) - begin)) +
                                std::string(ellipsis));
            }
            return lines;
        }
        size_t count = fitting(width);
        if (done + count < ends.size()) {
            const std::string_view line = text.substr(begin, offset(done + count) - begin);
            const size_t mark = line.find_last_of(breakAfter);
            if (mark != std::string_view::npos) {
                // Characters up to and with the mark.
                const auto through =
                    static_cast<size_t>(
                        std::upper_bound(std::next(ends.begin(), static_cast<std::ptrdiff_t>(done)),
                                         ends.end(), begin + mark) -
                        ends.begin() + 1) -
                    done;
                if (2 * through >= count) count = through;
            }
        }
        lines.emplace_back(text.substr(begin, offset(done + count) - begin));
        done += count;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

}  // namespace mdlPicPrint
