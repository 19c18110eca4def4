#pragma once
// cairo's output collected in memory: the command line writes a file's bytes in one go
// (through WriteExport), never from inside a surface.
#include <cairo.h>

#include <string>

namespace orrelin::cli {

// A cairo_write_func_t that appends to the std::string its closure points to.
inline cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace orrelin::cli
