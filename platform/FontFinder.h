#pragma once
// Finds where an installed font face lives, by asking fontconfig for a family at a weight.

#include <memory>
#include <optional>
#include <string>

// fontconfig's configuration handle (fontconfig.h names it FcConfig); only FontFinder.cpp sees
// the library itself.
struct _FcConfig;

namespace platform {

struct FontFile {
    std::string Path;
    int Index = 0;       // the face within the file (a collection holds several)
    std::string Family;  // the family the file belongs to, as the caller spelt it
    bool Bold = false;   // the face itself is bold (demibold or heavier)
};

class FontFinder {
public:
    // Loads fontconfig's configuration and its list of installed fonts, owned by this finder
    // rather than shared process-wide. Throws std::runtime_error when they cannot be loaded.
    FontFinder();
    ~FontFinder();
    FontFinder(const FontFinder&) = delete;
    FontFinder& operator=(const FontFinder&) = delete;

    // The best installed match for family, bold or regular, upright. Empty when that match is
    // some other family (fontconfig always answers with something, but a substitute is not the
    // face that was asked for) or has no file.
    std::optional<FontFile> Find(const std::string& family, bool bold) const;

private:
    struct Destroy {
        void operator()(_FcConfig* config) const;
    };
    std::unique_ptr<_FcConfig, Destroy> config_;
};

}  // namespace platform
