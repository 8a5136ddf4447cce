#include "TILOAbout.h"

#include "TAboutF.h"
#include "TSecretPanel.h"

#include <QLabel>
#include <QPointer>

namespace kartavel::gui {

TILOAbout::TILOAbout(QObject* parent) : QObject(parent) {}

void TILOAbout::fill(TAboutF& window) const {
    window.Image1()->setPixmap(picture_);
    window.Image3()->setPixmap(topPicture_);
    window.RxLabel4()->setText(programName_);
    QStringList credits = window.SecretPanel1()->lines();
    if (credits.isEmpty())
        credits.append(programName_);
    else
        credits[0] = programName_;
    window.SecretPanel1()->setLines(credits);
    window.setWindowTitle(caption_);
    window.statusPanel()->setText(QStringLiteral("TAVRIS ") + programName_);
    window.SecretPanel2()->setLines(window.SecretPanel2()->lines() << QString() << team_);
}

void TILOAbout::Execute() {
    QWidget* over = qobject_cast<QWidget*>(parent());
    QPointer<TAboutF> window = new TAboutF(over ? over->window() : nullptr);
    fill(*window);
    window->exec();
    delete window.data();
}

} // namespace kartavel::gui
