#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace kartavel::gui {

class TAboutF;

// The about box: what the about window shows (its title, the header picture, the
// tall picture along its left edge, the program name and the team list) and the
// command that shows it. It keeps copies of its pictures and of the list.
class TILOAbout : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap TopPicture READ topPicture WRITE setTopPicture)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(QString ProgramName READ programName WRITE setProgramName)
    Q_PROPERTY(QStringList Team READ team WRITE setTeam)

public:
    explicit TILOAbout(QObject* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    QPixmap topPicture() const { return topPicture_; }
    void setTopPicture(const QPixmap& picture) { topPicture_ = picture.copy(); }
    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture) { picture_ = picture.copy(); }
    QString programName() const { return programName_; }
    void setProgramName(const QString& name) { programName_ = name; }
    // Lines added to the staff panel after its own.
    QStringList team() const { return team_; }
    void setTeam(const QStringList& team) { team_ = team; }

    // Builds the about window, fills it, shows it modally and destroys it when it
    // closes. The window stands over the parent's window, when the parent is a
    // widget.
    void Execute();

private:
    // Steps 2 to 6 of Execute: the pictures, the texts and the team.
    void fill(TAboutF& window) const;

    QString caption_;
    QPixmap topPicture_;
    QPixmap picture_;
    QString programName_;
    QStringList team_;
};

} // namespace kartavel::gui
