#include "server/WorldPage.h"

#include <ctime>

namespace world {

namespace {

// "YYYY-MM-DD" of a Unix time, in UTC.
std::string FormatDate(int64_t unixSeconds) {
    const std::time_t time = std::time_t(unixSeconds);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
    return text;
}

std::string Cell(std::string_view text) {
    return "<td>" + EscapeHtml(text) + "</td>";
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char character : text) {
        switch (character) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += character;
        }
    }
    return escaped;
}

// The game's look: light text on the night sky, amber headings, the table's rows striped.
constexpr const char* PageStyle =
    "<style>\n"
    "body { background: #0b0d1a; color: #dde4ee; font-family: sans-serif; margin: 2em; }\n"
    "h1 { color: #ffb238; letter-spacing: 0.08em; font-style: italic; }\n"
    "a { color: #ffb238; }\n"
    "table { border-collapse: collapse; min-width: 32em; }\n"
    "th { color: #ffb238; text-align: left; border-bottom: 2px solid #ffb238; }\n"
    "th, td { padding: 0.3em 1em; }\n"
    "tr:nth-child(even) td { background: #161a2e; }\n"
    "td:nth-child(3) { text-align: right; font-variant-numeric: tabular-nums; }\n"
    "</style>\n";

std::string RenderWorldPage(const std::vector<TStoredResult>& results, std::string_view playLink) {
    std::string page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Zorvex world high scores"
        "</title>\n<meta name=\"viewport\" content=\"width=device-width\">\n" +
        std::string(PageStyle) + "</head>\n<body><h1>Zorvex world high scores</h1>\n";
    if (!playLink.empty())
        page += "<p><a href=\"" + EscapeHtml(playLink) + "\">Play in your browser</a></p>\n";
    page +=
        "<table>\n"
        "<tr><th>Place</th><th>Name</th><th>Score</th><th>Country</th><th>Date</th></tr>\n";
    size_t place = 0;
    for (const TStoredResult& stored : results) {
        page += "<tr>" + Cell(std::to_string(++place)) + Cell(stored.Result.Name) +
                Cell(std::to_string(stored.Result.Score)) + Cell(stored.Result.Country) +
                Cell(FormatDate(stored.ReceivedAt)) + "</tr>\n";
    }
    page += "</table>\n</body></html>\n";
    return page;
}

}  // namespace world
