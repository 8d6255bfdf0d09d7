/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The interface between Kasumori２ and its picture plug-ins.
 *
 * A plug-in is a shared library whose file name ends in ".spi", placed beside the program.
 * The program loads every such library once at start-up (dlopen) and looks these functions up
 * by name (dlsym); they use the platform's ordinary C calling convention.
 *
 * Every call happens on the program's user-interface thread, one at a time.
 *
 * Memory: the two blocks a decoder hands back from SpiGetPicture (the bitmap information and
 * the pixel rows) and the text block of SpiPictureInfo must come from malloc(); from then on
 * they belong to the program, which releases them with free(). The program checks the sizes
 * a plug-in declares against the sizes of these blocks before it reads them, so a block must
 * be exactly what malloc() returned, never an offset into one.
 */
#ifndef KASUMORI_SPI_PLUGIN_H
#define KASUMORI_SPI_PLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Information numbers of GetPluginInfo. */
enum {
  SPI_INFO_VERSION = 0,     /* the kind of plug-in, one of the version strings below */
  SPI_INFO_DESCRIPTION = 1, /* a one-line description: name, version, author */
  SPI_INFO_FIRST_FILTER = 2 /* 2, 4, 6, …: "*.png;*.apng"; 3, 5, 7, …: the type's name */
};

/* Version strings (compared exactly, case included). */
#define SPI_VERSION_DECODER "00IN" /* reads pictures */
#define SPI_VERSION_ARCHIVE "00AM" /* reads archives (listed only; never called) */
#define SPI_VERSION_EXPORT "00XN"  /* other kinds (listed only) */

/* Results. Only 0 means success to the program; the others help a plug-in's own tests. */
enum {
  SPI_OK = 0,
  SPI_NOT_IMPLEMENTED = -1,
  SPI_ABORTED = 1,        /* the progress callback asked to stop */
  SPI_UNKNOWN_FORMAT = 2, /* not a picture of this plug-in */
  SPI_BROKEN_DATA = 3,    /* a picture of this plug-in that cannot be decoded */
  SPI_NO_MEMORY = 4,      /* the picture is too large, or malloc() failed */
  SPI_READ_ERROR = 6      /* the file could not be read */
};

/* The `flag` argument: where the picture comes from. */
enum {
  SPI_SOURCE_FILE = 0,  /* `source` is a file path, `length` the offset of the picture in it */
  SPI_SOURCE_MEMORY = 1 /* `source` points at the picture, `length` is its size in bytes */
};

/* The size of the head buffer given to IsSupported: the first bytes of the picture (after an
 * offset the program may skip). A shorter file is followed by zero bytes. */
#define SPI_HEAD_SIZE 2048

/* Pictures larger than this many pixels are refused by the program; a plug-in refuses them
 * too, before it allocates anything for them. */
#define SPI_MAX_PIXELS ((uint64_t)1 << 28)

#pragma pack(push, 1)
typedef struct SpiPictureInfo {
  int32_t left, top;     /* where the picture sits on its canvas; usually 0 */
  int32_t width, height; /* in pixels */
  uint16_t x_density;    /* pixels per metre, 0 when unknown */
  uint16_t y_density;
  int16_t color_depth; /* bits per pixel of the picture as stored */
  void* text;          /* malloc() block of text about the picture, or NULL */
} SpiPictureInfo;
#pragma pack(pop)

/* Bitmap information block: a 40-byte Windows BITMAPINFOHEADER (all fields little-endian),
 * followed by the colour table (4 bytes per colour: blue, green, red, 0) when bit_count is 8
 * or less, or when colors_used is not 0. */
#pragma pack(push, 1)
typedef struct SpiBitmapHeader {
  uint32_t size; /* 40 */
  int32_t width;
  int32_t height; /* positive: rows bottom-up; negative: rows top-down */
  uint16_t planes;
  uint16_t bit_count;   /* 1, 4, 8, 16, 24 or 32 */
  uint32_t compression; /* 0: plain rows */
  uint32_t size_image;
  int32_t x_pels_per_meter;
  int32_t y_pels_per_meter;
  uint32_t colors_used; /* 0: 2^bit_count for 8 bits or less */
  uint32_t colors_important;
} SpiBitmapHeader;
#pragma pack(pop)
/* Pixel block: |height| rows of ((bit_count × width + 31) / 32) × 4 bytes; 24-bit pixels are
 * stored blue, green, red. */

/* Called by a decoder now and then while it decodes (done out of total). A non-zero answer
 * asks the plug-in to stop and return SPI_ABORTED. `user_data` is the value the program gave. */
typedef int (*SpiProgressCallback)(int done, int total, intptr_t user_data);

/* Writes information `number` into `buffer` (at most `length` bytes and a terminating zero);
 * returns the number of bytes written, 0 when there is no such information. */
typedef int (*SpiGetPluginInfoFn)(int number, char* buffer, int length);

/* Whether the plug-in reads this picture. `name` is the file's name (may be empty); `head`
 * points at SPI_HEAD_SIZE bytes from the start of the picture. Non-zero: yes. */
typedef int (*SpiIsSupportedFn)(const char* name, const void* head);

typedef int (*SpiGetPictureInfoFn)(const char* source, intptr_t length, unsigned flag,
                                   SpiPictureInfo* info);

/* Decodes the picture; on SPI_OK, *bitmap_info and *pixels are malloc() blocks as described
 * above. GetPreview has the same form and may return a smaller picture quickly. */
typedef int (*SpiGetPictureFn)(const char* source, intptr_t length, unsigned flag,
                               void** bitmap_info, void** pixels, SpiProgressCallback progress,
                               intptr_t user_data);

/* The functions a decoder exports (a plug-in built with hidden visibility still exports them). */
#define SPI_EXPORT __attribute__((visibility("default")))
SPI_EXPORT int GetPluginInfo(int number, char* buffer, int length);
SPI_EXPORT int IsSupported(const char* name, const void* head);
SPI_EXPORT int GetPictureInfo(const char* source, intptr_t length, unsigned flag,
                              SpiPictureInfo* info);
SPI_EXPORT int GetPicture(const char* source, intptr_t length, unsigned flag, void** bitmap_info,
                          void** pixels, SpiProgressCallback progress, intptr_t user_data);
SPI_EXPORT int GetPreview(const char* source, intptr_t length, unsigned flag, void** bitmap_info,
                          void** pixels, SpiProgressCallback progress, intptr_t user_data);

#ifdef __cplusplus
}
#endif

#endif
