#pragma once

// The JPEG-2000 decoder: whole images decoded from memory at full resolution into 4 bytes
// per pixel. Nothing above platform/ sees the codec library behind it.

#include <cstddef>

struct J2K_ImageRec;
using J2K_Image = J2K_ImageRec*;

struct J2K_Info {
  int width;
  int height;
  int components;  // 1 grey, 2 grey + alpha, 3 RGB, 4 RGBA
  int precision;   // bits per sample of the first component
};

// Result and error codes.
enum : int {
  J2K_OK = 0,
  J2K_ERR_ARGUMENT = 1,    // a null image or out pointer
  J2K_ERR_FORMAT = 2,      // neither a JP2 file nor a codestream
  J2K_ERR_HEADER = 3,      // the header could not be read
  J2K_ERR_DECODE = 4,      // the image data could not be decoded
  J2K_ERR_COMPONENTS = 5,  // no component, or components of no usable size
  J2K_ERR_TOO_LARGE = 6,   // more pixels than a texture can take
  J2K_ERR_MEMORY = 7,
};

// Reads the header of a JP2 file or a raw codestream (told apart by their signatures). The
// bytes must stay valid until J2K_Decode has returned. Null on failure (see J2K_getLastError).
J2K_Image J2K_OpenMemory(const void* data, std::size_t size);

int J2K_GetInfoEx(J2K_Image image, J2K_Info* info);

// The dimensions at a resolution; only the full resolution exists here (resolution null or
// empty); any other string is J2K_ERR_ARGUMENT.
int J2K_GetResolutionDimensionsByStr(J2K_Image image, const char* resolution, int* width,
                                     int* height);

// Decodes the whole image. The buffer belongs to the image until J2K_Close. Each pixel is
// the bytes blue, green, red, alpha (a little-endian ARGB word); rows from the top, pitch
// bytes apart. Samples are scaled to 8 bits; signed samples are shifted to unsigned;
// subsampled components are stretched over the full grid; luma and chroma (sYCC) become
// RGB. options is not used.
int J2K_Decode(J2K_Image image, unsigned char** buffer, int* size, const char* options, int* pitch);

void J2K_Close(J2K_Image image);

// The code of the last failed J2K_OpenMemory on this thread.
int J2K_getLastError();

const char* J2K_getErrorStr(int code);
