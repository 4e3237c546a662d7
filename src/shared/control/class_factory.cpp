#include "class_factory.h"

#include <new>

#include "module.h"

namespace orvane {
namespace {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const ControlDescriptor& descriptor) : descriptor_(descriptor) {
    module::AddRef();
  }
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;
  ~ClassFactory() { module::Release(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG count = InterlockedDecrement(&references_);
    if (count == 0) delete this;
    return count;
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return descriptor_.create(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      module::AddRef();
    } else {
      module::Release();
    }
    return S_OK;
  }

 private:
  const ControlDescriptor& descriptor_;
  LONG references_ = 1;
};

}  // namespace

HRESULT CreateClassFactory(const ControlDescriptor& descriptor, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  auto* factory = new (std::nothrow) ClassFactory(descriptor);
  if (factory == nullptr) return E_OUTOFMEMORY;
  const HRESULT hr = factory->QueryInterface(iid, object);
  factory->Release();
  return hr;
}

}  // namespace orvane
