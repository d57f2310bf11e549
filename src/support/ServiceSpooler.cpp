#include "support/ServiceSpooler.h"

namespace plqr {

std::unique_ptr<ServiceSpooler> SpoolerOfHelper(IUnknown* helper) {
  if (helper == nullptr) return nullptr;
  ComPtr<IPlqrSpoolerService> service;
  if (FAILED(helper->QueryInterface(IID_IPlqrSpoolerService, service.put_void())) || !service) {
    service.release();  // a failed QueryInterface leaves no reference to give back
    return nullptr;
  }
  return std::make_unique<ServiceSpooler>(std::move(service));
}

SpoolerHold::SpoolerHold(std::unique_ptr<ISpooler> spooler) : m_spooler(std::move(spooler)) {
  m_inPlace = PutSpoolerInPlace(m_spooler.get());
}

SpoolerHold::~SpoolerHold() {
  if (m_inPlace) TakeSpoolerAway(m_spooler.get());
}

}  // namespace plqr
