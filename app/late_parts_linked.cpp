#include "app/late_parts.h"

#include "board/sound_player.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "results/progress_window.h"

namespace vorlant {

LateParts LinkedLateParts()
{
    return {{},
            [](MessageSink &messages) { return std::make_unique<ChartWindow>(messages); },
            [](QObject *parent) { return new SoundPlayer(parent); },
            MakeProgressWindow,
            MakeOverviewWindow};
}

} // namespace vorlant
