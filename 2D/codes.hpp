// The boundary-condition codes of a node, as the input gives them in KBC.
//
// A code of 0 or less prescribes the potential (a negative code also names a
// currents group); the others are named here.
#pragma once

namespace velda {

inline constexpr int KBC_DERIVATIVE = 1;  // prescribed normal derivative
inline constexpr int KBC_IMPEDANCE = 2;   // source potential V behind impedance Z
inline constexpr int KBC_INTERFACE = 3;   // interface to a medium of permittivity EPS

}  // namespace velda
