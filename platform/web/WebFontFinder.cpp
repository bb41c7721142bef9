// The font finder of the browser build: no fontconfig in a browser, so the faces are the files
// packaged into Data/Fonts with the list that names them (platform/web/fonts.list, copied there
// by scripts/web).

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/FontFinder.h"

namespace platform {

namespace {

constexpr const char* FontFolder = "/Data/Fonts/";

struct PackagedFace {
    std::string Family;
    bool Bold = false;
    std::string FileName;
};

// Comment lines start with '#'; a line that does not split into three fields is skipped.
std::vector<PackagedFace> ReadPackagedFaces() {
    std::vector<PackagedFace> faces;
    std::ifstream list(std::string(FontFolder) + "fonts.list");
    std::string line;
    while (std::getline(list, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        PackagedFace face;
        std::string bold;
        std::string path;
        if (!std::getline(fields, face.Family, '|') || !std::getline(fields, bold, '|') ||
            !std::getline(fields, path))
            continue;
        face.Bold = bold == "1";
        face.FileName = path.substr(path.find_last_of('/') + 1);
        faces.push_back(face);
    }
    return faces;
}

const std::vector<PackagedFace>& PackagedFaces() {
    static const std::vector<PackagedFace> faces = ReadPackagedFaces();
    return faces;
}

}  // namespace

// There is no fontconfig configuration to hold: config_ stays empty, so this never runs.
void FontFinder::Destroy::operator()(_FcConfig*) const {}

FontFinder::FontFinder() {
    if (PackagedFaces().empty())
        throw std::runtime_error(std::string("No fonts packaged in ") + FontFolder);
}

FontFinder::~FontFinder() = default;

// As fontconfig would answer: the face of the weight asked for, else the family's other face (a
// regular face asked to be bold is emboldened by the renderer).
std::optional<FontFile> FontFinder::Find(const std::string& family, bool bold) const {
    const PackagedFace* found = nullptr;
    for (const PackagedFace& face : PackagedFaces())
        if (face.Family == family && (!found || face.Bold == bold))
            found = &face;
    if (!found)
        return std::nullopt;
    FontFile file;
    file.Path = FontFolder + found->FileName;
    file.Family = family;
    file.Bold = found->Bold;
    return file;
}

}  // namespace platform
