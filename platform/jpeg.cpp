#include "platform/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

namespace platform {

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return; it jumps back to
// the decoder with the text of the error kept here.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// A memory source that runs dry pads the data with a fake end marker and only warns; a cut-off
// picture would then decode with a grey bottom, so that warning is fatal here.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) JumpOut(cinfo);
}

// Releases libjpeg's memory however the decoder is left: return, jump or exception.
struct DecompressGuard {
  jpeg_decompress_struct* cinfo;
  ~DecompressGuard() { jpeg_destroy_decompress(cinfo); }
};

void CopyRow(const JSAMPLE* rgb, std::uint32_t* out, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, rgb += 3)
    out[x] = ToPixel(RgbColor(std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])));
}

// Runs libjpeg from header to end. The setjmp frame holds no object with a destructor and
// nothing it reads after a jump, so leaving it by longjmp is safe. Returns false when libjpeg
// gave up; its message is then in err.
bool Decode(jpeg_decompress_struct& cinfo, ErrorManager& err, const std::uint8_t* data, std::size_t size,
            Bitmap& picture) {
  if (setjmp(err.jump)) return false;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;  // greyscale pictures are widened to RGB too
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3) {
    std::snprintf(err.message, sizeof err.message, "unsupported colour layout");
    return false;
  }
  picture.SetSize(int(cinfo.output_width), int(cinfo.output_height));
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const JDIMENSION y = cinfo.output_scanline;
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) {
      std::snprintf(err.message, sizeof err.message, "picture data ends early");
      return false;
    }
    CopyRow(row[0], picture.Bits() + std::size_t(y) * cinfo.output_width, cinfo.output_width);
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

}  // namespace

Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = JumpOut;
  err.pub.emit_message = OnMessage;
  DecompressGuard guard{&cinfo};  // destroying a never created decompressor is harmless
  Bitmap picture;
  if (!Decode(cinfo, err, data, size, picture))
    throw JpegError(std::string("Damaged JPEG picture: ") + err.message);
  return picture;
}

}  // namespace platform
