// What every accessibility object (MSAA) of torv's windows shares: the COM object's life and
// interfaces, no type information, and the small answers that fill a VARIANT or a BSTR.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace toolkit::win32 {

// The system's interface leaves its destructor non-virtual; objects are deleted through this class's.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class AccessibleObject : public IAccessible {
 public:
  AccessibleObject();
  // A COM object is deleted by its own Release, through this virtual destructor.
  virtual ~AccessibleObject();
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // No type information: clients call the interface's methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

 protected:
  static bool is_self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  // S_FALSE for no text.
  static HRESULT text_answer(const std::u16string& text, BSTR* answer);
  static void set_child(VARIANT* answer, LONG child);

 private:
  LONG references_ = 1;
};
#pragma GCC diagnostic pop

// Whether a client still holds one of these objects.
bool accessible_objects_alive();

}  // namespace toolkit::win32
