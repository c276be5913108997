#include "tests/support/dialog_watcher.h"

#include "tests/support/wine_test_support.h"

namespace testsupport {

namespace {

// Wine's and Windows' message boxes number their text and icon controls so.
constexpr int kMessageText = 0xFFFF;
constexpr int kMessageIcon = 0x0440;

thread_local TDialogWatcher* Current = nullptr;

TDialogRecord Record(HWND box) {
  TDialogRecord r;
  r.Box = box;
  r.Title = WindowText(box);
  if (HWND text = GetDlgItem(box, kMessageText)) r.Text = WindowText(text);
  r.Icon = reinterpret_cast<HICON>(SendBounded(GetDlgItem(box, kMessageIcon), STM_GETICON));
  GetWindowRect(box, &r.Rect);
  r.Owner = GetWindow(box, GW_OWNER);
  r.OwnerEnabled = r.Owner == nullptr || IsWindowEnabled(r.Owner);
  return r;
}

}  // namespace

HICON StopIcon() { return LoadIconA(nullptr, IDI_HAND); }

void PressOk(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

TDialogWatcher::TDialogWatcher(TAnswer answer) : Outer(Current), Answer(std::move(answer)) {
  Current = this;
  Hook = SetWindowsHookExA(WH_CBT, &Proc, nullptr, GetCurrentThreadId());
}

TDialogWatcher::~TDialogWatcher() {
  UnhookWindowsHookEx(Hook);
  Current = Outer;
}

LRESULT CALLBACK TDialogWatcher::Proc(int code, WPARAM wParam, LPARAM lParam) {
  auto* watcher = Current;
  const HHOOK hook = watcher != nullptr ? watcher->Hook : nullptr;
  if (code == HCBT_ACTIVATE && watcher != nullptr) {
    auto box = reinterpret_cast<HWND>(wParam);
    if (WindowClass(box) == "#32770") watcher->Seen(box);
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

void TDialogWatcher::Seen(HWND box) {
  // A box is activated again after each box it opened: record it once.
  for (const TDialogRecord& r : Records) {
    if (r.Box == box) return;
  }
  Records.push_back(Record(box));
  if (Answer) {
    Answer(box);
  } else {
    PressOk(box);
  }
}

TDialogRecord AnswerBoxOfProcess(DWORD pid, int timeoutMs) {
  const HWND box = WaitForProcessWindow(
      pid, [](HWND w) { return WindowClass(w) == "#32770"; }, timeoutMs);
  if (box == nullptr) return {};
  Sleep(200);  // let it finish painting its text
  TDialogRecord r = Record(box);
  // Another process's icon handle means nothing here: keep only whether
  // there is one.
  PressOk(box);
  return r;
}

}  // namespace testsupport
