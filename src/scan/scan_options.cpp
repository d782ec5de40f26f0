#include "scan/scan_options.h"

#include "store/settings.h"

namespace blenker {

ScanOptions ReadScanOptions(ProfileStore& store) {
    ScanOptions options;
    options.strict = ReadFlag(store, Setting::Strict);
    options.caseSensitive = ReadFlag(store, Setting::CaseSensitive);
    options.needBrowser = ReadFlag(store, Setting::NeedBrowser);
    options.smartBlenk = ReadFlag(store, Setting::SmartBlenk);
    options.soundOn = ReadFlag(store, Setting::SoundOn);
    options.soundFile = ReadString(store, Setting::SoundFile);
    options.removeAppName = ReadFlag(store, Setting::RemoveAppName);
    options.instantBlenk = ReadFlag(store, Setting::InstantBlenk);
    return options;
}

}  // namespace blenker
