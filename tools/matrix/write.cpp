#include "tools/matrix/write.hpp"

#include <charconv>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "textio/csv.hpp"

namespace matrix {
namespace {

constexpr int kCell = 14;  // columns of a group number or a value in the table

std::string cell(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%*.5E", kCell, value == 0.0 ? 0.0 : value);  // no "-0"
  return text;
}

std::string cell(int group) {
  char text[32];
  std::snprintf(text, sizeof text, "%*d", kCell, group);
  return text;
}

void write_matrix(std::ostream& out, const Capacitance& c,
                  const std::function<double(int, int)>& entry) {
  const int n = static_cast<int>(c.groups.size());
  out << "  group";
  for (int j = 0; j < n; ++j) out << cell(c.groups[j]);
  out << '\n';
  for (int i = 0; i < n; ++i) {
    out << cell(c.groups[i]).substr(kCell - 7);
    for (int j = 0; j < n; ++j) out << cell(entry(i, j));
    out << '\n';
  }
}

double row_sum(const Capacitance& c, int i) {
  double sum = 0.0;
  for (std::size_t j = 0; j < c.groups.size(); ++j) sum += c(i, j);
  return sum;
}

const char* reference_text(const Capacitance& c) {
  if (c.open)
    return c.reference
               ? "Reference: the nodes of code 0 and the source potentials of code 2, at 0, and\n"
                 "the groups not driven. The region reaches to infinity, where the potential of\n"
                 "a net charge grows without end: the charges of the groups and the reference\n"
                 "are taken to sum to zero and only differences of potential count, so every\n"
                 "row and column of C sums to zero.\n"
               : "Reference: the groups not driven. The region reaches to infinity, where the\n"
                 "potential of a net charge grows without end: the charges of the groups are\n"
                 "taken to sum to zero and only differences of potential count (C may be read\n"
                 "referred to any one group), so every row and column of C sums to zero.\n";
  return c.reference ? "Reference: the nodes of code 0 and the source potentials of code 2, at 0,\n"
                       "and the groups not driven.\n"
                     : "Reference: the groups not driven; no other potential is prescribed.\n";
}

}  // namespace

void write_table(std::ostream& out, const Capacitance& c) {
  out << "Capacitance matrix of " << c.title << "\n\n";
  out << "Maxwell matrix C, per unit length and unit permittivity (or conductivity).\n"
         "C(i,j) is the FLUX of group i, the normal derivative summed over its nodes along\n"
         "the normal out of the region (into the conductor), with group j at potential 1\n"
         "and every other prescribed potential, derivative and source potential at 0.\n"
         "FLUX is the conductor's charge over the permittivity (the current the electrode\n"
         "feeds into the region over the conductivity): C(i,i) > 0, C(i,j) <= 0.\n";
  out << reference_text(c);
  if (c.copies > 1)
    out << "Symmetry: each group includes its mirror images, driven as one conductor; the\n"
           "values are the whole device's, the described part's times "
        << c.copies << ".\n";
  out << '\n';
  write_matrix(out, c, [&](int i, int j) { return c(i, j); });
  out << "\nMutual form: off the diagonal -C(i,j), the capacitance between groups i and j;\n"
         "on the diagonal the row sum of C, the capacitance between group i and the\n"
         "reference.\n\n";
  write_matrix(out, c, [&](int i, int j) { return i == j ? row_sum(c, i) : -c(i, j); });
  out << "\nReciprocity: max |C(i,j) - C(j,i)| / max C(i,i) = ";
  if (c.reciprocity) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2E", *c.reciprocity);
    out << text << "\n(0 for the exact matrix; it shrinks as the elements do)\n";
  } else {
    out << "none: no diagonal entry is positive\n";
  }
}

void write_csv(std::ostream& out, const Capacitance& c) {
  const auto number = [](double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value == 0.0 ? 0.0 : value).ptr;
    return std::string(text, end);
  };
  std::vector<std::string> header{"group"};
  for (const int k : c.groups) header.push_back(std::to_string(k));
  textio::write_record(out, header);
  for (std::size_t i = 0; i < c.groups.size(); ++i) {
    std::vector<std::string> row{std::to_string(c.groups[i])};
    for (std::size_t j = 0; j < c.groups.size(); ++j) row.push_back(number(c(i, j)));
    textio::write_record(out, row);
  }
}

}  // namespace matrix
