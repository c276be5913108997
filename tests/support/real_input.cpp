#include "tests/support/real_input.h"

#include "tests/support/screen_image.h"
#include "tests/support/wine_test_support.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace testsupport {

namespace {

constexpr int kTimeoutMs = 5000;

INPUT MouseInput(POINT at, DWORD flags) {
  // Absolute places are normalised to 0..65535 over the virtual desktop;
  // this aims at the middle of the pixel.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = ((at.x - left) * 2 + 1) * 32768 / width;
  input.mi.dy = ((at.y - top) * 2 + 1) * 32768 / height;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool PointerAt(POINT to) {
  POINT at;
  GetCursorPos(&at);
  return std::abs(at.x - to.x) <= 1 && std::abs(at.y - to.y) <= 1;
}

// Left clicks in one go, so that two make a double click.
void Clicks(POINT at, int times) {
  MovePointer(at);
  std::vector<INPUT> inputs;
  for (int i = 0; i < times; ++i) {
    inputs.push_back(MouseInput(at, MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseInput(at, MOUSEEVENTF_LEFTUP));
  }
  Send(inputs);
}

// The rows of text in a drop-down menu, read twice alike so that it is
// painted in full; inside its frame.
std::vector<TRun> MenuItemRows(HWND popup) {
  RECT r;
  GetWindowRect(popup, &r);
  InflateRect(&r, -4, -4);
  std::vector<TRun> rows, before;
  WaitUntil(
      [&] {
        before = rows;
        rows = TScreenImage(r).Runs(false, 3, IsDark);
        return !rows.empty() && rows.size() == before.size();
      },
      kTimeoutMs);
  return rows;
}

// The middle of caption `menu` of the window's menu bar, once it is painted.
// The bar lies right above the client area; its captions stand apart by
// wider gaps than the letters of one caption.
bool MenuCaption(HWND window, int menu, POINT& middle) {
  RECT client;
  GetClientRect(window, &client);
  const POINT origin = ScreenPoint(window, {0, 0});
  const RECT bar{origin.x, origin.y - GetSystemMetrics(SM_CYMENU), origin.x + client.right,
                 origin.y};
  std::vector<TRun> captions;
  const bool shown = WaitUntil(
      [&] {
        captions = TScreenImage(bar).Runs(true, 8, IsDark);
        return menu < static_cast<int>(captions.size());
      },
      kTimeoutMs);
  if (shown)
    middle = {captions[static_cast<std::size_t>(menu)].Middle(), (bar.top + bar.bottom) / 2};
  return shown;
}

}  // namespace

bool BringToFront(HWND window) {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
      },
      kTimeoutMs);
}

POINT CentreOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ScreenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

void MovePointer(POINT to) {
  // Under Wine the pointer may show its old place for a while after a move,
  // and a press then lands there: wait until it stays where it was sent.
  int still = 0;
  const bool there = WaitUntil(
      [&] {
        if (PointerAt(to)) return ++still == 3;
        still = 0;
        Send({MouseInput(to, 0)});
        return false;
      },
      kTimeoutMs);
  if (!there) throw std::runtime_error("the pointer does not reach its place");
}

void Click(POINT at) { Clicks(at, 1); }

void DoubleClick(POINT at) { Clicks(at, 2); }

void Drag(POINT from, POINT to) {
  LeftDown(from);
  LeftUp(to);
}

void LeftDown(POINT at) {
  MovePointer(at);
  Send({MouseInput(at, MOUSEEVENTF_LEFTDOWN)});
}

void LeftUp(POINT at) {
  MovePointer(at);
  Send({MouseInput(at, MOUSEEVENTF_LEFTUP)});
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT key = VkKeyScanA(c);
    if (key & 0x100) {
      SendChord({VK_SHIFT, static_cast<WORD>(key & 0xFF)});
    } else {
      SendChord({static_cast<WORD>(key & 0xFF)});
    }
  }
}

bool ChooseMenuItem(HWND window, int menu, int item) {
  POINT caption;
  if (!MenuCaption(window, menu, caption)) return false;
  Click(caption);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  // The drop-down menu, once it is shown.
  const HWND popup = WaitForProcessWindow(
      pid, [](HWND w) { return WindowClass(w) == "#32768"; }, kTimeoutMs);
  if (popup == nullptr) return false;
  const std::vector<TRun> rows = MenuItemRows(popup);
  if (item >= static_cast<int>(rows.size())) return false;
  Click({CentreOf(popup).x, rows[static_cast<std::size_t>(item)].Middle()});
  return WaitUntil([&] { return !IsWindowVisible(popup); }, kTimeoutMs);
}

}  // namespace testsupport
