#include "tests/ui/UnpackProgressPanel.h"

#include <algorithm>

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace qor {

UnpackProgressPanel::UnpackProgressPanel(QWidget* parent) : QDialog(parent)
{
    setObjectName("UnpackProgress");
    setWindowTitle(tr("Installing Comprehension Tests"));
    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName("m_pTitle");
    m_pTitle->setMinimumWidth(360);
    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName("m_pProgress");
    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(10);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Installing the comprehension tests that come with Quorlinth..."), this));
    layout->addWidget(m_pTitle);
    layout->addWidget(m_pProgress);
}

void UnpackProgressPanel::unpack(UnpackTests& unpacker)
{
    if (unpacker.isFinished())
        return;
    m_pProgress->setRange(0, std::max(1, unpacker.fileCount()));
    m_pProgress->setValue(0);
    m_pTitle->clear();
    unpacker.setProgress([this](int current, int, const std::string& name) {
        m_pProgress->setValue(current);
        m_pTitle->setText(QString::fromStdString(name));
    });
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    connect(m_pTimer, &QTimer::timeout, &loop, [&] {
        if (!unpacker.step())
            loop.quit();
    });
    m_pTimer->start();
    loop.exec();
    m_pTimer->stop();
    m_pTimer->disconnect();
    unpacker.setProgress({});
    m_pProgress->setValue(m_pProgress->maximum());
    hide();
}

}  // namespace qor
