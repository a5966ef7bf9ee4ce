#pragma once
// The progress window of the start-up unpacking ("UnpackProgress"): a bar
// that counts files and the name of the file being written. The unpacker
// runs in steps on a 10 ms timer while the event loop stays live.

#include "tests/UnpackTests.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

namespace qor {

class UnpackProgressPanel : public QDialog {
    Q_OBJECT
public:
    explicit UnpackProgressPanel(QWidget* parent = nullptr);

    // Unpacks a started unpacker to its end, showing its progress; returns
    // when it has finished.
    void unpack(UnpackTests& unpacker);

    QProgressBar* progressBar() const { return m_pProgress; }
    QLabel* titleField() const { return m_pTitle; }

private:
    QProgressBar* m_pProgress = nullptr;
    QLabel* m_pTitle = nullptr;
    QTimer* m_pTimer = nullptr;
};

}  // namespace qor
