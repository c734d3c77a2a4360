#pragma once
// One small owner per Win32 handle kind: non-copyable, movable, closes once.
#include <windows.h>
#include <winreg.h>

#include <utility>

namespace ui {

template <class T, auto Close, T Invalid = T{}>
class UniqueAny {
 public:
  UniqueAny() = default;
  explicit UniqueAny(T value) : value_(value) {}
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  UniqueAny(UniqueAny&& other) noexcept : value_(std::exchange(other.value_, Invalid)) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, Invalid));
    return *this;
  }
  ~UniqueAny() { reset(); }

  T get() const { return value_; }
  T* put() {
    reset();
    return &value_;
  }
  T release() { return std::exchange(value_, Invalid); }
  void reset(T value = Invalid) {
    if (value_ != Invalid) Close(value_);
    value_ = value;
  }
  explicit operator bool() const { return value_ != Invalid; }

 private:
  T value_ = Invalid;
};

namespace detail {
inline void CloseHandleIgnore(HANDLE h) { ::CloseHandle(h); }
inline void RegCloseKeyIgnore(HKEY k) { ::RegCloseKey(k); }
inline void UnhookIgnore(HHOOK h) { ::UnhookWindowsHookEx(h); }
inline void DeleteObjectIgnore(HGDIOBJ o) { ::DeleteObject(o); }
inline void DestroyWindowIgnore(HWND w) { ::DestroyWindow(w); }
inline void DestroyIconIgnore(HICON i) { ::DestroyIcon(i); }
inline void LocalFreeIgnore(HLOCAL p) { ::LocalFree(p); }
inline void FreeLibraryIgnore(HMODULE m) { ::FreeLibrary(m); }
}  // namespace detail

// Process and thread handles, events, mutexes: invalid is null.
using UniqueHandle = UniqueAny<HANDLE, detail::CloseHandleIgnore, nullptr>;

using UniqueKey = UniqueAny<HKEY, detail::RegCloseKeyIgnore, nullptr>;
using UniqueHook = UniqueAny<HHOOK, detail::UnhookIgnore, nullptr>;
using UniqueGdiObject = UniqueAny<HGDIOBJ, detail::DeleteObjectIgnore, nullptr>;
using UniqueWindow = UniqueAny<HWND, detail::DestroyWindowIgnore, nullptr>;
using UniqueIcon = UniqueAny<HICON, detail::DestroyIconIgnore, nullptr>;
using UniqueLocal = UniqueAny<HLOCAL, detail::LocalFreeIgnore, nullptr>;
using UniqueModule = UniqueAny<HMODULE, detail::FreeLibraryIgnore, nullptr>;

// Closes pipe/file handles (INVALID_HANDLE_VALUE is the empty value).
class UniqueFile {
 public:
  UniqueFile() = default;
  explicit UniqueFile(HANDLE h) : h_(h) {}
  UniqueFile(const UniqueFile&) = delete;
  UniqueFile& operator=(const UniqueFile&) = delete;
  UniqueFile(UniqueFile&& o) noexcept : h_(std::exchange(o.h_, INVALID_HANDLE_VALUE)) {}
  UniqueFile& operator=(UniqueFile&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, INVALID_HANDLE_VALUE));
    return *this;
  }
  ~UniqueFile() { reset(); }
  HANDLE get() const { return h_; }
  HANDLE* put() {
    reset();
    return &h_;
  }
  void reset(HANDLE h = INVALID_HANDLE_VALUE) {
    if (h_ != INVALID_HANDLE_VALUE && h_ != nullptr) ::CloseHandle(h_);
    h_ = h;
  }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

// Runs a callable on scope exit (EndUpdate after BeginUpdate, detach after attach).
template <class F>
class ScopeExit {
 public:
  explicit ScopeExit(F f) : f_(std::move(f)) {}
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  ~ScopeExit() { f_(); }

 private:
  F f_;
};

}  // namespace ui
