#include "payment/uRESTClient.h"

#include <algorithm>

#include "ui/PlatformServices.h"

namespace payment {

void TRESTRequest::AddURLSegment(const std::u16string& name, const std::u16string& value) {
  auto it = std::find_if(segments_.begin(), segments_.end(), [&](const auto& s) { return s.first == name; });
  if (it != segments_.end()) {
    it->second = value;
  } else {
    segments_.emplace_back(name, value);
  }
}

std::u16string TRESTRequest::FullURL() const {
  std::u16string resource = Resource;
  for (const auto& [name, value] : segments_) {
    const std::u16string placeholder = u"{" + name + u"}";
    for (std::size_t at = resource.find(placeholder); at != std::u16string::npos;
         at = resource.find(placeholder, at + value.size())) {
      resource.replace(at, placeholder.size(), value);
    }
  }
  return (Client ? Client->BaseURL : std::u16string()) + resource;
}

bool TRESTRequest::Execute() {
  const auto transport = ui::PlatformServices::Current().Get<IHttpGetService>();
  if (!transport || !Response) return false;
  Response->Reply = transport->Get(FullURL());
  if (!Response->Reply.Completed) return false;
  if (OnAfterExecute) OnAfterExecute();
  return true;
}

}  // namespace payment
