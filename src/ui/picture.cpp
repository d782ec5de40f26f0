#include "ui/picture.h"

#include <cstring>
#include <string>

#include "framework/text.h"
#include "framework/unique_handle.h"
#include "ui/picture_math.h"

namespace blenker {

namespace {

// Pixels at the fixed 96 dots per inch of the picture's members.
constexpr int kDotsPerInch = 96;

}  // namespace

void CPicture::Error(const char* text) const {
    const std::wstring message = ToUtf16(text) + L"\t";
    ::MessageBoxExW(m_owner, message.c_str(), L"The Blenker", MB_OK | MB_ICONSTOP,
                    MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL));
}

void CPicture::Free() {
    m_IPicture.Reset();
    m_Height = 0;
    m_Weight = 0;
    m_Width = 0;
}

bool CPicture::LoadFromResource(int id, const char* typeName) {
    Free();
    const HMODULE module = ::GetModuleHandleW(nullptr);
    // The type is a name ("GIF") or a number made a pointer by MAKEINTRESOURCE.
    const bool typeIsNumber = IS_INTRESOURCE(typeName);
    const std::wstring typeText = typeIsNumber ? std::wstring() : ToUtf16(typeName);
    const HRSRC found = ::FindResourceW(
        module, MAKEINTRESOURCEW(id),
        typeIsNumber ? MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(typeName)) : typeText.c_str());
    if (found == nullptr) {
        Error("FindResource() Failed");
        return false;
    }
    const HGLOBAL loaded = ::LoadResource(module, found);
    if (loaded == nullptr) {
        Error("LoadResource() Failed");
        return false;
    }
    const void* bytes = ::LockResource(loaded);
    if (bytes == nullptr) {
        Error("LockResource() Failed");
        return false;
    }
    const DWORD size = ::SizeofResource(module, found);
    const bool result = LoadFromMemory(bytes, size);
    m_Weight = static_cast<long>(size);
    if (!m_IPicture) {
        m_Height = 0;
        m_Width = 0;
        return false;
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    m_IPicture->get_Width(&width);
    m_IPicture->get_Height(&height);
    m_Height = HimetricToPixels(static_cast<int>(height), kDotsPerInch);
    m_Width = HimetricToPixels(static_cast<int>(width), kDotsPerInch);
    return result;
}

bool CPicture::LoadFromMemory(const void* bytes, std::size_t size) {
    Free();
    UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, size));
    void* copy = block ? ::GlobalLock(block.Get()) : nullptr;
    if (copy == nullptr) {
        Error("Can not allocate enough memory");
        return false;
    }
    std::memcpy(copy, bytes, size);
    ::GlobalUnlock(block.Get());
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), TRUE,
                                       reinterpret_cast<IStream**>(stream.PutVoid())))) {
        return false;
    }
    block.Release();  // the stream frees it when it goes
    const HRESULT loaded = ::OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE,
                                            IID_IPicture, m_IPicture.PutVoid());
    if (loaded == E_NOINTERFACE) {
        Error("IPicture interface is not supported");
        return false;
    }
    // Any other failure leaves no picture, which the resource loader reports as false.
    return true;
}

bool CPicture::Render(HDC dc, int left, int top, int width, int height, int magnifyX,
                      int magnifyY) const {
    if (dc == nullptr || !m_IPicture) {
        return false;
    }
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    m_IPicture->get_Width(&w);
    m_IPicture->get_Height(&h);
    const PictureArea area = RenderArea(
        left, top, width, height, magnifyX, magnifyY, static_cast<int>(w), static_cast<int>(h),
        ::GetDeviceCaps(dc, LOGPIXELSX), ::GetDeviceCaps(dc, LOGPIXELSY));
    const RECT bounds{area.left, area.top, area.extraX, area.extraY};
    // The HIMETRIC source taken bottom-up draws the picture upright on a top-down device.
    if (FAILED(m_IPicture->Render(dc, area.left, area.top, area.width, area.height, 0, h, w, -h,
                                  &bounds))) {
        Error("Can not allocate enough memory");
        return false;
    }
    return true;
}

}  // namespace blenker
