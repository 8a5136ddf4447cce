#include "FormAyar.h"

#include "ImageLists.h"
#include "TAnaF.h"
#include "store/ProgramIdentity.h"

#include <QLabel>

namespace kartavel::gui {

void FormAyar(QWidget* window, TImageList* images, int icon) {
    window->setWindowTitle(
        AnaF ? AnaF->windowTitle()
             : QString::fromUtf8(identity::kMainTitle.data(),
                                 static_cast<qsizetype>(identity::kMainTitle.size())));
    auto setPicture = [window](const char* name, const QPixmap& pixmap) {
        if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
            label->setPixmap(pixmap);
    };
    setPicture("ImageB1", AnaF ? AnaF->bannerPicture() : picture(QStringLiteral("banner")));
    setPicture("ImageB2", AnaF ? AnaF->bannerEndPicture() : picture(QStringLiteral("banner_end")));
    if (icon == -1) {
        setPicture("ImageTOP", AnaF ? AnaF->programPicture()
                                    : picture(QStringLiteral("program"), QSize(32, 32)));
        return;
    }
    if (!images && AnaF)
        images = AnaF->ImageList1;
    if (images)
        setPicture("ImageTOP", images->pixmap(icon));
}

} // namespace kartavel::gui
