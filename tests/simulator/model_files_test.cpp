#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/simulator/simulated_model.h"

namespace pfc::test {
namespace {

struct Table {
  std::vector<double> current;
  std::vector<double> fluxLinkage;
};

std::vector<double> Numbers(const std::string& text) {
  static const std::regex kNumber(R"([-+]?[0-9]*\.?[0-9]+(?:[eE][-+]?[0-9]+)?)");
  std::vector<double> numbers;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kNumber);
       it != std::sregex_iterator(); ++it)
    numbers.push_back(std::stod(it->str()));
  return numbers;
}

// The text between `open` and the first `close` after it.
std::string Between(const std::string& text, const std::string& open, const std::string& close) {
  const std::size_t from = text.find(open);
  if (from == std::string::npos)
    return {};
  const std::size_t begin = from + open.size();
  return text.substr(begin, text.find(close, begin) - begin);
}

Table CsvTable(const std::string& csv) {
  Table table;
  std::istringstream lines(csv);
  std::string line;
  while (std::getline(lines, line) && line.rfind("current_a,", 0) != 0) {
    EXPECT_EQ(line.rfind("# ", 0), 0u) << "not a comment: " << line;
  }
  while (std::getline(lines, line)) {
    const std::vector<double> row = Numbers(line);
    EXPECT_EQ(row.size(), 3u) << line;
    table.current.push_back(row.at(0));
    table.fluxLinkage.push_back(row.at(1));
  }
  return table;
}

double Resistance(const std::string& spice) {
  const std::vector<double> numbers = Numbers(Between(spice, "Rwinding 1 3 ", "\n"));
  return numbers.empty() ? -1 : numbers.front();
}

TEST(ModelFiles, LtspiceAndPlecsHoldTheTableOfTheCsvFile) {
  const Table csv = CsvTable(DefaultDesign::Model("csv"));
  ASSERT_GE(csv.current.size(), 3u);
  const double resistance = Resistance(DefaultDesign::Model("ngspice"));
  const std::size_t last = csv.current.size() - 1;
  const double outer = (csv.fluxLinkage[last] - csv.fluxLinkage[last - 1]) /
                       (csv.current[last] - csv.current[last - 1]);

  const std::string ltspice = DefaultDesign::Model("ltspice");
  const std::vector<double> pairs = Numbers(Between(ltspice, "Flux=table(x,", ")"));
  Table lt;
  for (std::size_t k = 0; k + 1 < pairs.size(); k += 2) {
    lt.current.push_back(pairs[k]);
    lt.fluxLinkage.push_back(pairs[k + 1]);
  }
  EXPECT_EQ(lt.current, csv.current);
  EXPECT_EQ(lt.fluxLinkage, csv.fluxLinkage);
  // Beyond the ends the outer segments' slope carries on.
  const std::vector<double> beyond = Numbers(Between(ltspice, ")+", " Rser="));
  ASSERT_EQ(beyond.size(), 3u) << ltspice;
  EXPECT_NEAR(beyond[0], outer, 1e-12 * outer);
  EXPECT_EQ(beyond[1], -csv.current[last]);
  EXPECT_EQ(beyond[2], csv.current[last]);
  EXPECT_EQ(Numbers(Between(ltspice, "Rser=", "\n")), std::vector<double>{resistance});

  const std::string plecs = DefaultDesign::Model("plecs");
  EXPECT_EQ(Numbers(Between(plecs, "\ni_L = [", "];")), csv.current);
  EXPECT_EQ(Numbers(Between(plecs, "\npsi_L = [", "];")), csv.fluxLinkage);
  EXPECT_EQ(Numbers(Between(plecs, "\nR_L = ", ";")), std::vector<double>{resistance});
  EXPECT_GT(resistance, 0);
}

}  // namespace
}  // namespace pfc::test
