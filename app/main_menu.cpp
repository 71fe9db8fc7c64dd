#include "app/main_menu.h"

#include "engine/level_rule.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace vorlant {
namespace {

// The menu's captions in the language the program speaks.
QString Caption(const char *text)
{
    return QCoreApplication::translate("MainMenu", text);
}

QMenu *AddMenu(QMenuBar &bar, const char *name, const QString &caption)
{
    QMenu *menu = bar.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction *AddItem(QMenu &menu, const char *name, const QString &caption)
{
    QAction *action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// Choosing the marked item again unmarks it and leaves the group without a mark; the
// item's handler runs all the same.
QActionGroup *RadioGroup(QMenu &menu)
{
    auto *group = new QActionGroup(&menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    return group;
}

QAction *AddRadioItem(QMenu &menu, QActionGroup &group, const char *name, const QString &caption,
                      bool marked)
{
    QAction *action = AddItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(marked);
    group.addAction(action);
    return action;
}

} // namespace

MainMenu BuildMainMenu(QMenuBar &bar)
{
    bar.setObjectName(QStringLiteral("MainMenu1"));
    MainMenu m;

    QMenu *actions = AddMenu(bar, "Akce1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Akce")));
    m.Start1 = AddItem(*actions, "Start1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Start")));
    m.Konec1 = AddItem(*actions, "Konec1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Výsledky")));
    m.Archiv1 = AddItem(*actions, "Archiv1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Archiv")));
    m.Konec2 = AddItem(*actions, "Konec2", Caption(QT_TRANSLATE_NOOP("MainMenu", "Konec")));
    m.Konec2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu *faces = AddMenu(bar, "Nastevn1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Nastavení")));
    m.Przdn1 = AddItem(*faces, "Przdn1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Prázdné")));
    m.sla1 = AddItem(*faces, "sla1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Čísla")));
    m.Abeceda1 = AddItem(*faces, "Abeceda1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Abeceda")));
    m.Obrzky1 = AddItem(*faces, "Obrzky1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Obrázky")));

    QMenu *lengths =
        AddMenu(bar, "rove1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Výchozí počet ")));
    m.startLengthGroup = RadioGroup(*lengths);
    const std::array<const char *, 5> lengthNames{"N21", "N31", "N41", "N51", "N61"};
    for (std::size_t i = 0; i < kStartLengths.size(); ++i)
        m.startLengths[i] = AddRadioItem(*lengths, *m.startLengthGroup, lengthNames[i],
                                         QString::number(kStartLengths[i]),
                                         kStartLengths[i] == kDefaultStartLength);

    QMenu *speed = AddMenu(bar, "Rychlost1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Rychlost")));
    m.speedGroup = RadioGroup(*speed);
    const std::array<const char *, 5> speedNames{"Nejrychlej1", "Rychl1", "Normln1", "Pomalej1",
                                                 "Nejpomalej1"};
    const std::array<const char *, 5> speedCaptions{
        QT_TRANSLATE_NOOP("MainMenu", "Nejrychlejší"), QT_TRANSLATE_NOOP("MainMenu", "Rychlý"),
        QT_TRANSLATE_NOOP("MainMenu", "Normální"), QT_TRANSLATE_NOOP("MainMenu", "Pomalejší"),
        QT_TRANSLATE_NOOP("MainMenu", "Nejpomalejší")};
    for (std::size_t i = 0; i < kSpeedIntervalsMs.size(); ++i)
        m.speeds[i] = AddRadioItem(*speed, *m.speedGroup, speedNames[i], Caption(speedCaptions[i]),
                                   kSpeedIntervalsMs[i] == kDefaultSpeedIntervalMs);

    QMenu *help = AddMenu(bar, "Popis1", Caption(QT_TRANSLATE_NOOP("MainMenu", "Help")));
    m.Popis2 = AddItem(*help, "Popis2", Caption(QT_TRANSLATE_NOOP("MainMenu", "Popis")));
    m.Oprogramu1 =
        AddItem(*help, "Oprogramu1", Caption(QT_TRANSLATE_NOOP("MainMenu", "O programu")));
    return m;
}

} // namespace vorlant
