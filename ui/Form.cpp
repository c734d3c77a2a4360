#include "ui/Form.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <vector>

#include "ui/Align.h"
#include "ui/Button.h"
#include "ui/Canvas.h"
#include "ui/MessageManager.h"
#include "ui/Resources.h"
#include "ui/StyleBook.h"
#include "ui/Text.h"

namespace ui {
namespace {

constexpr TAlphaColor kDefaultFill = 0xFFF0F0F0;

TFormWindowFactory& Factory() {
  static TFormWindowFactory factory;
  return factory;
}

std::shared_ptr<TStyleBook> LoadStyleBook(const std::u16string& name) {
  if (name.empty()) return nullptr;
  if (auto loaded = TStyleBook::Find(name)) return loaded;
  auto data = ReadResource(name);
  if (!data) throw std::runtime_error("style book resource missing: " + ToUtf8(name));
  auto book = TStyleBook::FromJson(nlohmann::json::parse(*data));
  TStyleBook::Register(book);
  return book;
}

void CollectFocusable(TControl& c, std::vector<TControl*>& out) {
  if (!c.AbsoluteVisible()) return;
  if (c.CanFocus()) out.push_back(&c);
  // Within one parent the tab order decides; children follow their parent.
  std::vector<TControl*> kids;
  for (auto& k : c.Children()) kids.push_back(k.get());
  std::stable_sort(kids.begin(), kids.end(), [](TControl* a, TControl* b) {
    const auto key = [](TControl* x) { return x->TabOrder < 0 ? INT32_MAX : x->TabOrder; };
    return key(a) < key(b);
  });
  for (TControl* k : kids) CollectFocusable(*k, out);
}

TButton* FindCancel(TControl& c) {
  if (auto* b = dynamic_cast<TButton*>(&c); b && b->IsCancel) return b;
  for (auto& k : c.Children()) {
    if (TButton* found = FindCancel(*k)) return found;
  }
  return nullptr;
}

void PaintTree(const TControl& c, const TPaintContext& ctx) {
  if (!c.Visible) return;
  c.Paint(ctx);
  for (auto& k : c.Children()) PaintTree(*k, ctx);
}

bool TreeAnimating(const TControl& c, double now) {
  if (c.Animating(now)) return true;
  return std::any_of(c.Children().begin(), c.Children().end(),
                     [now](const auto& k) { return TreeAnimating(*k, now); });
}

TControl* Deepest(TControl& c, TPointF p) {
  if (!c.Visible) return nullptr;
  for (auto it = c.Children().rbegin(); it != c.Children().rend(); ++it) {
    if (TControl* hit = Deepest(**it, p)) return hit;
  }
  return c.HitTest && c.AbsoluteRect().Contains(p) ? &c : nullptr;
}

}  // namespace

void SetFormWindowFactory(TFormWindowFactory factory) { Factory() = std::move(factory); }

Form::Form() : root_(std::make_unique<TLayout>()) {
  translationListener_ = TMessageManager::DefaultManager().SubscribeToMessage<TTranslationChanged>(
      [this](const void*, const TTranslationChanged&) { Invalidate(); });
}

Form::~Form() { TMessageManager::DefaultManager().Unsubscribe(translationListener_); }

void Form::ThrowMissing(std::u16string_view name) {
  throw std::runtime_error("layout has no such control: " + ToUtf8(name));
}

void Form::BindHandler(const std::u16string& name, std::function<void()> handler) {
  handlers_[name] = std::move(handler);
}

void Form::Create(const nlohmann::json& layout) {
  TFormLayout read = ReadLayout(layout);
  settings_ = read.settings;
  root_ = std::move(read.root);
  style_ = LoadStyleBook(settings_.StyleBook);
  for (const auto& h : read.handlers) {
    auto found = handlers_.find(h.handler);
    if (found == handlers_.end()) throw std::runtime_error("layout names an unbound handler: " + ToUtf8(h.handler));
    if (!h.control) {
      formEvents_[h.event] = h.handler;
    } else if (auto* b = dynamic_cast<TButton*>(h.control); b && h.event == "onClick") {
      b->OnClick = found->second;
    } else {
      throw std::runtime_error("layout: event " + h.event + " not supported here");
    }
  }
  if (read.lang) read.lang->Activate();
  Realign();
  Loaded();
  if (Factory()) {
    window_ = Factory()(*this);
    TMessageManager::DefaultManager().SendMessage(this, TAfterCreateFormHandle{this});
  }
  RunHandler("onCreate");
}

void Form::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  RunHandler("onDestroy");
  window_.reset();
}

void Form::RunHandler(const std::string& event) {
  auto name = formEvents_.find(event);
  if (name == formEvents_.end()) return;
  if (auto& h = handlers_[name->second]) h();
}

const TStyleBook* Form::Style() const { return style_.get(); }

void Form::SetCaption(const std::u16string& caption) { settings_.Caption = caption; }

void Form::Show() {
  if (visible_ || !CanShow()) return;
  visible_ = true;
  if (!focused_) SelectNext(false);
  if (window_) window_->Show();
  RunHandler("onShow");
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  if (window_) window_->Hide();
  RunHandler("onHide");
}

void Form::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(action);
  if (action == TCloseAction::caNone) return;
  if (ModalResult == mrNone) ModalResult = mrCancel;
  if (window_) {
    window_->Closed(action);
  } else if (action == TCloseAction::caHide || action == TCloseAction::caFree) {
    Hide();
  }
}

TModalResult Form::ShowModal() {
  ModalResult = mrNone;
  Show();
  if (!visible_) return mrCancel;
  if (window_) window_->RunModal();
  Hide();
  return ModalResult;
}

void Form::Activate() {
  if (window_) window_->Activate();
}

void Form::SetFocused(TControl* control) {
  if (focused_ == control) return;
  focused_ = control;
  Invalidate();
}

void Form::SelectNext(bool backward) {
  std::vector<TControl*> order;
  CollectFocusable(*root_, order);
  if (order.empty()) return;
  auto at = std::find(order.begin(), order.end(), focused_);
  std::size_t index = 0;
  if (at != order.end()) {
    const std::size_t pos = static_cast<std::size_t>(at - order.begin());
    index = backward ? (pos + order.size() - 1) % order.size() : (pos + 1) % order.size();
  } else if (backward) {
    index = order.size() - 1;
  }
  SetFocused(order[index]);
}

TButton* Form::CancelButton() { return FindCancel(*root_); }

bool Form::KeyDown(TKey key, bool shift, double now) {
  switch (key) {
    case TKey::Tab:
      SelectNext(shift);
      return true;
    case TKey::Escape:
      if (TButton* cancel = CancelButton()) return cancel->Click();
      return false;
    case TKey::Enter:
      if (auto* b = dynamic_cast<TButton*>(focused_)) return b->Click();
      return false;
    case TKey::Space:
      if (auto* b = dynamic_cast<TButton*>(focused_); b && b->AbsoluteEnabled()) {
        keyPressed_ = b;
        b->SetPressed(true, now, Style());
        b->SetHot(true, now, Style());
        Invalidate();
        return true;
      }
      return false;
    case TKey::Other:
      return false;
  }
  return false;
}

bool Form::KeyUp(TKey key, double now) {
  if (key != TKey::Space || !keyPressed_) return false;
  TButton* b = std::exchange(keyPressed_, nullptr);
  b->SetPressed(false, now, Style());
  b->SetHot(b == hot_, now, Style());
  Invalidate();
  if (b == focused_) b->Click();
  return true;
}

TControl* Form::ControlAt(TPointF p) { return Deepest(*root_, p); }

void Form::MouseMove(TPointF p, double now) {
  auto* over = dynamic_cast<TButton*>(ControlAt(p));
  if (over && !over->AbsoluteEnabled()) over = nullptr;
  if (over == hot_) return;
  if (hot_) hot_->SetHot(false, now, Style());
  hot_ = over;
  if (hot_) hot_->SetHot(true, now, Style());
  Invalidate();
}

void Form::MouseLeave(double now) {
  if (hot_) hot_->SetHot(false, now, Style());
  hot_ = nullptr;
  Invalidate();
}

void Form::MouseDown(TPointF p, double now) {
  MouseMove(p, now);
  if (!hot_) return;
  pressed_ = hot_;
  pressed_->SetPressed(true, now, Style());
  if (pressed_->CanFocus()) SetFocused(pressed_);
  Invalidate();
}

void Form::MouseUp(TPointF p, double now) {
  TButton* released = std::exchange(pressed_, nullptr);
  if (!released) return;
  released->SetPressed(false, now, Style());
  MouseMove(p, now);
  Invalidate();
  if (released == hot_) released->Click();
}

void Form::PaintTo(ICanvas& canvas, double now) {
  TAlphaColor fill = settings_.Fill;
  if (!fill) fill = style_ ? style_->Color("backgroundstyle", "fill").value_or(kDefaultFill) : kDefaultFill;
  canvas.FillRect({0, 0, root_->Size.Width, root_->Size.Height}, fill, 1.0f);
  PaintTree(*root_, TPaintContext{canvas, style_.get(), now, focused_});
}

bool Form::Animating(double now) const { return TreeAnimating(*root_, now); }

void Form::Invalidate() {
  if (window_) window_->Invalidate();
}

void Form::Realign() {
  root_->Size = settings_.ClientSize;
  ui::Realign(*root_);
}

}  // namespace ui
