#include "controls/ui/KeyCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <utility>

namespace qor {

namespace {

// evdev code -> virtual key code of the same key position.
constexpr std::pair<int, int> kEvdevToMac[] = {
    {1, 53},    // Escape
    {2, 18},    {3, 19},    {4, 20},    {5, 21},    {6, 23},    {7, 22},    {8, 26},
    {9, 28},    {10, 25},   {11, 29},  // 1..9, 0
    {12, 27},   // minus
    {13, 24},   // equal
    {14, 51},   // Backspace
    {15, 48},   // Tab
    {16, 12},   {17, 13},   {18, 14},   {19, 15},   {20, 17},   {21, 16},   {22, 32},
    {23, 34},   {24, 31},   {25, 35},  // Q W E R T Y U I O P
    {26, 33},   {27, 30},  // [ ]
    {28, 36},   // Return
    {30, 0},    {31, 1},    {32, 2},    {33, 3},    {34, 5},    {35, 4},    {36, 38},
    {37, 40},   {38, 37},  // A S D F G H J K L
    {39, 41},   {40, 39},   {41, 50},  // ; ' `
    {43, 42},   // backslash
    {44, 6},    {45, 7},    {46, 8},    {47, 9},    {48, 11},   {49, 45},   {50, 46},  // Z X C V B N M
    {51, 43},   {52, 47},   {53, 44},  // , . /
    {55, 67},   // keypad *
    {57, 49},   // space
    {59, 122},  {60, 120},  {61, 99},   {62, 118},  {63, 96},   {64, 97},   {65, 98},
    {66, 100},  {67, 101},  {68, 109},  // F1..F10
    {71, 89},   {72, 91},   {73, 92},   {74, 78},   {75, 86},   {76, 87},   {77, 88},
    {78, 69},   {79, 83},   {80, 84},   {81, 85},   {82, 82},   {83, 65},  // keypad
    {87, 103},  {88, 111},  // F11 F12
    {96, 76},   // keypad Enter
    {98, 75},   // keypad /
    {102, 115}, // Home
    {103, 126}, // Up
    {104, 116}, // Page Up
    {105, 123}, // Left
    {106, 124}, // Right
    {107, 119}, // End
    {108, 125}, // Down
    {109, 121}, // Page Down
    {110, 114}, // Insert (Help)
    {111, 117}, // Delete forward
    {117, 81},  // keypad =
    {183, 105}, {184, 107}, {185, 113},  // F13..F15
};

// The US key that types an ASCII character, shifted or not.
int macKeyForAscii(char c)
{
    static constexpr const char* kRows[] = {"aA", "sS", "dD", "fF", "hH", "gG", "zZ", "xX", "cC", "vV"};
    static constexpr int kRowCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (size_t i = 0; i < std::size(kRows); ++i)
        if (c == kRows[i][0] || c == kRows[i][1])
            return kRowCodes[i];
    struct Pair {
        char plain, shifted;
        int code;
    };
    static constexpr Pair kPairs[] = {
        {'b', 'B', 11}, {'q', 'Q', 12}, {'w', 'W', 13}, {'e', 'E', 14}, {'r', 'R', 15}, {'y', 'Y', 16},
        {'t', 'T', 17}, {'1', '!', 18}, {'2', '@', 19}, {'3', '#', 20}, {'4', '$', 21}, {'6', '^', 22},
        {'5', '%', 23}, {'=', '+', 24}, {'9', '(', 25}, {'7', '&', 26}, {'-', '_', 27}, {'8', '*', 28},
        {'0', ')', 29}, {']', '}', 30}, {'o', 'O', 31}, {'u', 'U', 32}, {'[', '{', 33}, {'i', 'I', 34},
        {'p', 'P', 35}, {'l', 'L', 37}, {'j', 'J', 38}, {'\'', '"', 39}, {'k', 'K', 40}, {';', ':', 41},
        {'\\', '|', 42}, {',', '<', 43}, {'/', '?', 44}, {'n', 'N', 45}, {'m', 'M', 46}, {'.', '>', 47},
        {' ', ' ', 49}, {'`', '~', 50},
    };
    for (const Pair& p : kPairs)
        if (c == p.plain || c == p.shifted)
            return p.code;
    return -1;
}

}  // namespace

int macKeyCodeFromXKeycode(quint32 xKeycode)
{
    if (xKeycode < 8)
        return -1;
    int evdev = static_cast<int>(xKeycode) - 8;
    for (const auto& [from, to] : kEvdevToMac)
        if (from == evdev)
            return to;
    return -1;
}

int macKeyCodeFromQtKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return 123;
    case Qt::Key_Right: return 124;
    case Qt::Key_Down: return 125;
    case Qt::Key_Up: return 126;
    case Qt::Key_Return: return 36;
    case Qt::Key_Enter: return 76;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 48;
    case Qt::Key_Backspace: return 51;
    case Qt::Key_Escape: return 53;
    case Qt::Key_Delete: return 117;
    case Qt::Key_Insert: case Qt::Key_Help: return 114;
    case Qt::Key_Home: return 115;
    case Qt::Key_End: return 119;
    case Qt::Key_PageUp: return 116;
    case Qt::Key_PageDown: return 121;
    case Qt::Key_F1: return 122;
    case Qt::Key_F2: return 120;
    case Qt::Key_F3: return 99;
    case Qt::Key_F4: return 118;
    case Qt::Key_F5: return 96;
    case Qt::Key_F6: return 97;
    case Qt::Key_F7: return 98;
    case Qt::Key_F8: return 100;
    case Qt::Key_F9: return 101;
    case Qt::Key_F10: return 109;
    case Qt::Key_F11: return 103;
    case Qt::Key_F12: return 111;
    case Qt::Key_F13: return 105;
    case Qt::Key_F14: return 107;
    case Qt::Key_F15: return 113;
    default: break;
    }
    if (qtKey >= 0x20 && qtKey < 0x7f)
        return macKeyForAscii(static_cast<char>(qtKey));
    return -1;
}

int macKeyCode(const QKeyEvent& e)
{
    const QString platform = QGuiApplication::platformName();
    if (e.nativeScanCode() != 0 && (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))) {
        int code = macKeyCodeFromXKeycode(e.nativeScanCode());
        if (code >= 0)
            return code;
    }
    return macKeyCodeFromQtKey(e.key());
}

namespace {

constexpr quint32 kXLeftControl = 37;   // evdev 29
constexpr quint32 kXRightControl = 105; // evdev 97

bool physicalKeysReported()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

bool controlModifier(const QKeyEvent& e)
{
#ifdef Q_OS_MACOS
    return e.modifiers().testFlag(Qt::MetaModifier);
#else
    return e.modifiers().testFlag(Qt::ControlModifier);
#endif
}

class ControlKeyTracker final : public QObject {
public:
    explicit ControlKeyTracker(QObject* parent) : QObject(parent), state(physicalKeysReported()) {}
    ControlKeyState state;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            state.note(*static_cast<QKeyEvent*>(event));
            break;
        case QEvent::ApplicationDeactivate:
            state.reset();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

ControlKeyTracker* g_tracker = nullptr;

}  // namespace

void ControlKeyState::note(const QKeyEvent& e)
{
    if (!m_physical || e.key() != Qt::Key_Control)
        return;
    const bool down = e.type() != QEvent::KeyRelease;
    if (e.nativeScanCode() == kXLeftControl)
        m_left = down;
    else if (e.nativeScanCode() == kXRightControl)
        m_right = down;
}

bool ControlKeyState::leftControl(const QKeyEvent& e) const
{
    if (!controlModifier(e))
        return false;
    // Only the right key is known to be held: not the key map's Control.
    if (m_physical && m_right && !m_left)
        return false;
    return true;
}

void installControlKeyTracking()
{
    if (g_tracker || !QCoreApplication::instance())
        return;
    g_tracker = new ControlKeyTracker(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(g_tracker);
}

bool keyMapShift(const QKeyEvent& e) { return e.modifiers().testFlag(Qt::ShiftModifier); }

bool keyMapControl(const QKeyEvent& e)
{
    return g_tracker ? g_tracker->state.leftControl(e) : controlModifier(e);
}

}  // namespace qor
