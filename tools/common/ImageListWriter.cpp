#include "ImageListWriter.h"

#include <stdexcept>

#include "BinaryWriter.h"

namespace {

cairo_status_t AppendToVector(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

void CheckRange(int32_t value, int32_t low, int32_t high, const char* what) {
    if (value < low || value > high)
        throw std::invalid_argument(std::string(what) + " out of range");
}

}  // namespace

std::vector<uint8_t> EncodePng(cairo_surface_t* surface) {
    std::vector<uint8_t> bytes;
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png_stream(surface, AppendToVector, &bytes) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("PNG encoding failed");
    return bytes;
}

std::vector<uint8_t> SerializeImageList(const std::vector<ImageRecord>& images) {
    if (images.size() > 1024)
        throw std::invalid_argument("too many images");
    BinaryWriter out;
    out.Text("ZVXIMGL1");
    out.U32(1);
    out.U32(static_cast<uint32_t>(images.size()));
    for (const ImageRecord& image : images) {
        if (image.Name.size() > 255)
            throw std::invalid_argument("image name too long");
        CheckRange(image.PatternWidth, 0, 4096, "PatternWidth");
        CheckRange(image.PatternHeight, 0, 4096, "PatternHeight");
        CheckRange(image.SkipWidth, 0, 4096, "SkipWidth");
        CheckRange(image.SkipHeight, 0, 4096, "SkipHeight");
        if (image.Png.empty())
            throw std::invalid_argument("image without picture");
        const size_t lengthAt = out.Size();
        out.U32(0);
        out.U16(static_cast<uint16_t>(image.Name.size()));
        out.Text(image.Name);
        out.I32(image.PatternWidth);
        out.I32(image.PatternHeight);
        out.I32(image.SkipWidth);
        out.I32(image.SkipHeight);
        out.U8(image.Transparent ? 1 : 0);
        out.U8(image.SystemMemory ? 1 : 0);
        out.U16(0);
        out.U32(image.TransparentColor & 0xFFFFFF);
        out.U32(static_cast<uint32_t>(image.Png.size()));
        out.Bytes(image.Png.data(), image.Png.size());
        out.PatchU32(lengthAt, static_cast<uint32_t>(out.Size() - lengthAt - 4));
    }
    return out.Data();
}

void WriteImageList(const std::string& path, const std::vector<ImageRecord>& images) {
    WriteFileBytes(path, SerializeImageList(images));
}
