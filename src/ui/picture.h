// A picture of the program's resources (a GIF, for instance) loaded through the system's OLE
// picture object and drawn into a device context. Failures are reported in English message
// boxes captioned "The Blenker" and leave the object empty; callers go on without it.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include <cstddef>

#include "framework/com_ptr.h"
#include "framework/win32.h"

namespace blenker {

class CPicture {
  public:
    CPicture() = default;
    virtual ~CPicture() = default;
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    // The window that owns the error message boxes.
    void SetOwner(HWND owner) { m_owner = owner; }

    // The resource of this id and type name from the program's resources.
    bool LoadFromResource(int id, const char* typeName);
    // Encoded picture data (GIF, JPEG, BMP, ...).
    bool LoadFromMemory(const void* bytes, std::size_t size);
    // Draws the picture at (left, top) in width x height pixels, each grown by magnify times the
    // picture's natural size. False when there is no device context or no picture.
    bool Render(HDC dc, int left, int top, int width, int height, int magnifyX = 0,
                int magnifyY = 0) const;
    // Releases the picture; every member goes back to zero.
    void Free();

    // Sizes in pixels at 96 dots per inch, and the size of the data the picture came from.
    long m_Height = 0;
    long m_Weight = 0;
    long m_Width = 0;

    bool Loaded() const { return static_cast<bool>(m_IPicture); }

  private:
    void Error(const char* text) const;

    ComPtr<IPicture> m_IPicture;
    HWND m_owner = nullptr;
};

}  // namespace blenker
