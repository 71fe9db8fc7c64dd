#include "app/main_menu.h"

#include "engine/level_rule.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace vorlant {
namespace {

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

    QMenu *actions = AddMenu(bar, "Akce1", QStringLiteral("Akce"));
    m.Start1 = AddItem(*actions, "Start1", QStringLiteral("Start"));
    m.Konec1 = AddItem(*actions, "Konec1", QStringLiteral("Výsledky"));
    m.Archiv1 = AddItem(*actions, "Archiv1", QStringLiteral("Archiv"));
    m.Konec2 = AddItem(*actions, "Konec2", QStringLiteral("Konec"));
    m.Konec2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu *faces = AddMenu(bar, "Nastevn1", QStringLiteral("Nastavení"));
    m.Przdn1 = AddItem(*faces, "Przdn1", QStringLiteral("Prázdné"));
    m.sla1 = AddItem(*faces, "sla1", QStringLiteral("Čísla"));
    m.Abeceda1 = AddItem(*faces, "Abeceda1", QStringLiteral("Abeceda"));
    m.Obrzky1 = AddItem(*faces, "Obrzky1", QStringLiteral("Obrázky"));

    QMenu *lengths = AddMenu(bar, "rove1", QStringLiteral("Výchozí počet "));
    m.startLengthGroup = RadioGroup(*lengths);
    const std::array<const char *, 5> lengthNames{"N21", "N31", "N41", "N51", "N61"};
    for (std::size_t i = 0; i < kStartLengths.size(); ++i)
        m.startLengths[i] = AddRadioItem(*lengths, *m.startLengthGroup, lengthNames[i],
                                         QString::number(kStartLengths[i]),
                                         kStartLengths[i] == kDefaultStartLength);

    QMenu *speed = AddMenu(bar, "Rychlost1", QStringLiteral("Rychlost"));
    m.speedGroup = RadioGroup(*speed);
    const std::array<const char *, 5> speedNames{"Nejrychlej1", "Rychl1", "Normln1", "Pomalej1",
                                                 "Nejpomalej1"};
    const std::array<QString, 5> speedCaptions{
        QStringLiteral("Nejrychlejší"), QStringLiteral("Rychlý"), QStringLiteral("Normální"),
        QStringLiteral("Pomalejší"), QStringLiteral("Nejpomalejší")};
    for (std::size_t i = 0; i < kSpeedIntervalsMs.size(); ++i)
        m.speeds[i] = AddRadioItem(*speed, *m.speedGroup, speedNames[i], speedCaptions[i],
                                   kSpeedIntervalsMs[i] == kDefaultSpeedIntervalMs);

    QMenu *help = AddMenu(bar, "Popis1", QStringLiteral("Help"));
    m.Popis2 = AddItem(*help, "Popis2", QStringLiteral("Popis"));
    m.Oprogramu1 = AddItem(*help, "Oprogramu1", QStringLiteral("O programu"));
    return m;
}

} // namespace vorlant
