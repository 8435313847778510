#include "app/first_start.h"

#include <QLabel>
#include <QStandardPaths>
#include <QString>
#include <system_error>

#include "core/product.h"
#include "flight/calibration.h"
#include "platform/platform.h"
#include "records/data_file.h"
#include "records/file_replace.h"

namespace dorvanta {

namespace {

constexpr const char* kDataFolderName = "dorvanta";
constexpr const char* kPreparingName = "Dorvanta.dat.preparing";
constexpr int kNoticeMargin = 24;  // pixels around the notice's text

void ReportUnless(Platform& platform, const std::error_code& error, const std::string& what) {
    if (error) {
        ReportFaultAndEnd(platform, what + ": " + error.message());
    }
}

// Shown while the machine is measured: the window cannot answer the player
// meanwhile, so it says why.
class MeasuringNotice : public QLabel {
  public:
    MeasuringNotice()
        : QLabel(QString("Measuring the speed of this machine for the game (%1 seconds)...")
                     .arg(kCalibrationSeconds)) {
        setWindowTitle(QString("3D ") + kProductName);
        setMargin(kNoticeMargin);
        show();
    }
};

}  // namespace

std::filesystem::path UserDataFolder() {
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // UTF-16, not UTF-8: on Windows a path takes narrow text in the ANSI code
    // page, which would garble a user folder named in letters outside ASCII.
    return std::filesystem::path(shared.toStdU16String()) / kDataFolderName;
}

void EnterDataFolder(Platform& platform, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    ReportUnless(platform, error, folder.string());
    std::filesystem::current_path(folder, error);
    ReportUnless(platform, error, folder.string());
    if (!std::filesystem::exists(DataFile::kFileName, error)) {
        const MeasuringNotice notice;
        PrepareNewPlayersDataFile(platform);
    }
}

void PrepareNewPlayersDataFile(Platform& platform) {
    std::error_code leftOver;
    std::filesystem::remove(kPreparingName, leftOver);  // what a start cut short left
    DataFile file(platform, kPreparingName);
    file.ResetHighScores();
    file.StoreCalibration(MeasureCalibrationFactor(platform));
    ReportUnless(platform, RenameOver(kPreparingName, DataFile::kFileName), DataFile::kFileName);
}

}  // namespace dorvanta
