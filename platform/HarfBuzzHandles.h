#pragma once

// Owning handles for HarfBuzz objects: each is released exactly once, and can be
// moved but never copied.

#include <hb.h>

#include <memory>

namespace vantor::platform {

struct HbFaceDeleter {
  void operator()(hb_face_t* face) const { hb_face_destroy(face); }
};
struct HbFontDeleter {
  void operator()(hb_font_t* font) const { hb_font_destroy(font); }
};
struct HbBufferDeleter {
  void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};
struct HbBlobDeleter {
  void operator()(hb_blob_t* blob) const { hb_blob_destroy(blob); }
};
struct HbSetDeleter {
  void operator()(hb_set_t* set) const { hb_set_destroy(set); }
};
struct HbShapePlanDeleter {
  void operator()(hb_shape_plan_t* plan) const { hb_shape_plan_destroy(plan); }
};

using HbFacePtr = std::unique_ptr<hb_face_t, HbFaceDeleter>;
using HbFontPtr = std::unique_ptr<hb_font_t, HbFontDeleter>;
using HbBufferPtr = std::unique_ptr<hb_buffer_t, HbBufferDeleter>;
using HbBlobPtr = std::unique_ptr<hb_blob_t, HbBlobDeleter>;
using HbSetPtr = std::unique_ptr<hb_set_t, HbSetDeleter>;
using HbShapePlanPtr = std::unique_ptr<hb_shape_plan_t, HbShapePlanDeleter>;

}  // namespace vantor::platform
