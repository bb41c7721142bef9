// Feeds arbitrary bytes to the image list loader, pictures and textures included.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/FileOpenError.h"
#include "engine/ImageList.h"
#include "platform/headless/HeadlessBackend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::HeadlessDisplay display;
    TImageList list;
    try {
        list.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size), "fuzz",
                           display.BackSurface());
        for (int i = 0; i < list.Count(); ++i)
            list.Items(i).DrawPattern(display.BackSurface(), 0, 0, 0);
    } catch (const EFileOpenError&) {
    }
    return 0;
}
