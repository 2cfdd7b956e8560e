// Dialogs from templates, modal or as child pages, with message maps as data.
#pragma once

#include "fx/Wnd.h"

namespace fx {

class CDialog;

// One row of a message map. For WM_COMMAND, code and id select the control
// and its notification; for other messages both are 0. The handler is a
// thunk that unpacks the message for a typed member function and says
// whether the message is handled (false leaves it to the dialog manager).
struct MessageMapEntry {
  UINT message;
  UINT code;
  UINT id;
  bool (*handler)(CDialog& dlg, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

struct MessageMap {
  const MessageMap* base;
  const MessageMapEntry* entries;
  size_t count;
};

template <size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageMapEntry (&entries)[N]) {
  return MessageMap{base, entries, N};
}

class CDataExchange {
 public:
  explicit CDataExchange(HWND dlg) noexcept : m_hDlg(dlg) {}
  HWND m_hDlg;
};

// Binds a control object to the dialog's control of that ID.
void DDX_Control(CDataExchange& dx, int id, CWnd& control);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) noexcept
      : m_nIDTemplate(templateId), m_pParentWnd(parent) {}
  ~CDialog() override;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  INT_PTR DoModal();
  // A modeless dialog; for a child template this is a page inside parent.
  BOOL Create(UINT templateId, CWnd* parent);
  BOOL DestroyWindow();
  void EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

  static const MessageMap messageMap;

 protected:
  virtual const MessageMap* GetMessageMap() const { return &messageMap; }
  virtual void DoDataExchange(CDataExchange&) {}
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // WM_NOTIFY; returns whether it was handled, with the result in *result.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
};

// Thunks from the dialog manager's (wParam, lParam) to typed handlers.
namespace detail {
template <typename>
struct MemberOf;
template <typename R, typename C, typename... A>
struct MemberOf<R (C::*)(A...)> {
  using type = C;
};
template <auto Fn>
using OwnerOf = typename MemberOf<decltype(Fn)>::type;
}  // namespace detail

// void OnSomething(): a control's notification through WM_COMMAND.
template <auto Fn>
constexpr MessageMapEntry OnCommand(UINT code, UINT id) {
  return {WM_COMMAND, code, id, [](CDialog& dlg, WPARAM, LPARAM, LRESULT&) {
            (static_cast<detail::OwnerOf<Fn>&>(dlg).*Fn)();
            return true;
          }};
}

// void OnPaint().
template <auto Fn>
constexpr MessageMapEntry OnPaint() {
  return {WM_PAINT, 0, 0, [](CDialog& dlg, WPARAM, LPARAM, LRESULT&) {
            (static_cast<detail::OwnerOf<Fn>&>(dlg).*Fn)();
            return true;
          }};
}

// bool OnTimer(UINT_PTR id): false hands the tick on to default processing.
template <auto Fn>
constexpr MessageMapEntry OnTimer() {
  return {WM_TIMER, 0, 0, [](CDialog& dlg, WPARAM wParam, LPARAM, LRESULT&) {
            return (static_cast<detail::OwnerOf<Fn>&>(dlg).*Fn)(static_cast<UINT_PTR>(wParam));
          }};
}

// bool OnSysCommand(UINT id, LPARAM lParam): false leaves the command to the
// dialog manager (SC_CLOSE then becomes a cancel).
template <auto Fn>
constexpr MessageMapEntry OnSysCommand() {
  return {WM_SYSCOMMAND, 0, 0, [](CDialog& dlg, WPARAM wParam, LPARAM lParam, LRESULT&) {
            return (static_cast<detail::OwnerOf<Fn>&>(dlg).*Fn)(static_cast<UINT>(wParam), lParam);
          }};
}

// HCURSOR OnQueryDragIcon().
template <auto Fn>
constexpr MessageMapEntry OnQueryDragIcon() {
  return {WM_QUERYDRAGICON, 0, 0, [](CDialog& dlg, WPARAM, LPARAM, LRESULT& result) {
            result = reinterpret_cast<LRESULT>((static_cast<detail::OwnerOf<Fn>&>(dlg).*Fn)());
            return true;
          }};
}

}  // namespace fx
