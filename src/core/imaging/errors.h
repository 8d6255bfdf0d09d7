// SPDX-License-Identifier: GPL-3.0-or-later
// The one error family of the imaging library. Every failure of a buffer operation or a reader
// is one of these, carrying the message the user sees in the application's error report.
#pragma once

#include <QString>

#include <stdexcept>
#include <string>

namespace kasumori::imaging {

class ImagingError : public std::runtime_error {
 public:
  explicit ImagingError(const std::string& message) : std::runtime_error(message) {}
};

// Pixel buffer family.
class EQxDIBError : public ImagingError {
  using ImagingError::ImagingError;
};
class EQxDIBInvalidDIB : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};
class EQxDIBInvalidDIBFile : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};
class EQxDIBInvalidDIBPara : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};
class EQxDIBBadDIBType : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};
class EQxDIBPixelPositionRange : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};
class EQxDIBInvalidPalette : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};
class EQxDIBCompressionFailed : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};
class EQxDIBCanvasFailed : public EQxDIBError {
  using EQxDIBError::EQxDIBError;
};

// No decoder (built-in reader or plug-in) could make a picture of the data.
class EInvalidGraphic : public ImagingError {
  using ImagingError::ImagingError;
};
// libjpeg rejected the data; the message is the library's own.
class EJpegError : public ImagingError {
  using ImagingError::ImagingError;
};
// The TIFF reader met a structure that points outside the file or promises too much.
class ETiffError : public ImagingError {
  using ImagingError::ImagingError;
};
// A read of the Exif structure ran past the end of the file, or the file could not be opened.
class EExifReadError : public ImagingError {
  using ImagingError::ImagingError;
};
// The plug-in host: a library that is no plug-in, a missing entry point, a second host.
class ESPIError : public ImagingError {
 public:
  explicit ESPIError(const QString& message) : ImagingError(message.toStdString()) {}
};
// A file could not be opened or read at all.
class EReadError : public ImagingError {
  using ImagingError::ImagingError;
};

}  // namespace kasumori::imaging
