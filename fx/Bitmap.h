// A bitmap owned for the life of its object.
#pragma once

#include "fx/App.h"
#include "fx/UniqueHandle.h"

namespace fx {

class CBitmap {
 public:
  // Loading again releases the bitmap loaded before.
  BOOL LoadBitmap(UINT id) {
    m_bitmap.reset(::LoadBitmapW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(id)));
    return m_bitmap ? TRUE : FALSE;
  }
  HBITMAP GetSafeHandle() const noexcept { return m_bitmap.get(); }
  // Width and height; zeros when nothing is loaded.
  BITMAP GetBitmap() const {
    BITMAP info{};
    if (m_bitmap) ::GetObjectW(m_bitmap.get(), sizeof info, &info);
    return info;
  }

 private:
  UniqueHBitmap m_bitmap;
};

}  // namespace fx
