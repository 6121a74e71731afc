// Stored settings: any stored texts load into the records without a value
// that is not finite, and what the records save loads back to records that
// save the same texts again.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "fuzz_input.h"

using namespace quillon;

namespace {

struct Records {
  AppSettings app;
  WindowGeometryTwips window;
  MachineParameters machine;
};

const SettingPlaces kPlaces{"/opt/quillon", "/home/user"};

Records Load(const SettingsStore& store) {
  return {LoadAppSettings(store, kPlaces), LoadWindowGeometry(store, kPlaces), LoadMachineParameters(store, kPlaces)};
}

MemorySettingsStore Save(const Records& r) {
  MemorySettingsStore store;
  SaveAppSettings(store, r.app);
  SaveWindowGeometry(store, r.window);
  SaveMachineParameters(store, r.machine);
  SaveCsvPaths(store, r.machine);
  return store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Lines "Key=Value"; a key of the table lands in its own section.
  MemorySettingsStore stored;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    const std::string_view line = rest.substr(0, lf);
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, eq);
    const std::string_view section = FindSettingKey(kSectionParameter, key) ? kSectionParameter : kSectionSettings;
    stored.set(section, key, std::string(line.substr(eq + 1)));
  }
  const Records loaded = Load(stored);
  for (double v :
       {loaded.window.left, loaded.window.top, loaded.window.width, loaded.window.height, loaded.machine.MaxS,
        loaded.machine.HomeX, loaded.machine.HomeZ, loaded.machine.AppX, loaded.machine.AppZ})
    fuzz::Require(std::isfinite(v));

  const MemorySettingsStore saved = Save(loaded);
  const MemorySettingsStore again = Save(Load(saved));
  fuzz::Require(saved.values() == again.values());
  return 0;
}
