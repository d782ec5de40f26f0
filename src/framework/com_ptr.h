// An owning pointer to a COM interface: released once, when it goes out of scope; moved, never
// copied.
#pragma once

#include <objbase.h>

#include <utility>

namespace blenker {

template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset(std::exchange(other.m_ptr, nullptr));
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* Get() const { return m_ptr; }
    Interface* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }

    // Releases the interface held, if any, and takes this one over (no AddRef).
    void Reset(Interface* ptr = nullptr) {
        if (Interface* old = std::exchange(m_ptr, ptr)) {
            old->Release();
        }
    }
    // For out-parameters of the void** kind: releases the current interface, hands out the slot.
    void** PutVoid() {
        Reset();
        return reinterpret_cast<void**>(&m_ptr);
    }

    // An in-process instance of a class, asked for this interface.
    HRESULT CoCreate(REFCLSID clsid) {
        return ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Interface),
                                  PutVoid());
    }
    // Another interface of the same object.
    template <typename Other>
    HRESULT QueryInterface(ComPtr<Other>& other) const {
        return m_ptr->QueryInterface(__uuidof(Other), other.PutVoid());
    }

  private:
    Interface* m_ptr = nullptr;
};

}  // namespace blenker
