#pragma once
// The staff list the batch benchmarks read: n teachers of both categories, whole and half
// hours, leaders and not, as a school office's CSV file.

#include <array>
#include <string>

namespace soatnoma::bench {

inline std::string StaffList(int teachers) {
  constexpr std::array<const char*, 6> kHours = {"18", "20", "22.5", "24", "27", "15.5"};
  std::string text = "ism;maktab;fan;toifa;soat;stavka;rahbar\r\n";
  for (int i = 0; i < teachers; ++i) {
    text += "Oʻqituvchi " + std::to_string(i) + " Familiyaeva;" + std::to_string(1 + i % 300) + ";matematika;" +
            (i % 3 == 0 ? "boshlangich" : "yuqori") + ";" + kHours[static_cast<std::size_t>(i) % kHours.size()] + ";;" +
            (i % 2 == 0 ? "ha" : "0") + "\r\n";
  }
  return text;
}

}  // namespace soatnoma::bench
