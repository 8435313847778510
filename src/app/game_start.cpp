#include "app/game_start.h"

#include "app/data_folder.h"
#include "app/form_measuring.h"
#include "core/form_main.h"
#include "flight/calibration.h"
#include "records/data_file.h"

namespace dorvanta {

void PrepareDataFile(Platform& platform) {
    DataFile file(platform);
    if (file.HoldsEveryValue()) {
        return;
    }
    FormMeasuring notice(platform);
    notice.Show();
    file.PrepareMissingValues([&platform] { return MeasureCalibrationFactor(platform); });
    notice.Unload();
}

void StartGame(Platform& platform, FormMain& main, DataFolder folder) {
    if (folder == DataFolder::Player) {
        EnterDataFolder(platform, UserDataFolder());
    }
    PrepareDataFile(platform);
    main.Load();
    main.Show();
}

}  // namespace dorvanta
