#pragma once
// The objects the front panels read, as the simulator's request log names them.
#include <string>

namespace paneltest {

inline const std::string E = "1.3.6.1.4.1.32473";
inline const std::string LinkStatus = E + ".11.70.1.2.3.1.1.5.";  // + port.medium
inline const std::string DeviceLeds = E + ".11.70.1.2.1.1.6.0";
inline const std::string UnitLeds = E + ".12.11.1.9.4.1.5.";  // + unit
inline const std::string LedMode = E + ".11.70.1.2.1.1.7.0";

}  // namespace paneltest
