#include "toolkit/win32/accessible_object.h"

namespace toolkit::win32 {
namespace {

LONG live_objects = 0;

}  // namespace

AccessibleObject::AccessibleObject() { InterlockedIncrement(&live_objects); }

AccessibleObject::~AccessibleObject() { InterlockedDecrement(&live_objects); }

HRESULT STDMETHODCALLTYPE AccessibleObject::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualIID(id, __uuidof(IUnknown)) && !IsEqualIID(id, __uuidof(IDispatch)) &&
      !IsEqualIID(id, __uuidof(IAccessible)))
    return E_NOINTERFACE;
  *object = static_cast<IAccessible*>(this);
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE AccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE AccessibleObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                                   UINT*) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::text_answer(const std::u16string& text, BSTR* answer) {
  if (text.empty()) return S_FALSE;
  *answer = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

void AccessibleObject::set_child(VARIANT* answer, LONG child) {
  answer->vt = VT_I4;
  answer->lVal = child;
}

bool accessible_objects_alive() { return InterlockedCompareExchange(&live_objects, 0, 0) != 0; }

}  // namespace toolkit::win32
