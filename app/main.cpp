// torva: runs one analysis the way the desktop front end does, from the command line.
#include <CLI/CLI.hpp>
#include <iostream>

#include "front_end.h"
#include "plot_summary.h"
#include "model/capacities.h"

int main(int argc, char** argv) {
  CLI::App cli{"Torva: laterally loaded piles and drilled shafts by the p-y method."};
  cli.set_version_flag("--version", std::string(torva::kEngineVersion));
  cli.require_subcommand(1);

  std::string input;
  std::string out_dir = ".";
  CLI::App* run = cli.add_subcommand("run", "Analyse one input data file (.tp7).");
  run->add_option("input", input, "The input data file.")->required()->check(CLI::ExistingFile);
  run->add_option("--out", out_dir,
                  "Folder for the report, plot-output and message files (default: here).");

  CLI11_PARSE(cli, argc, argv);

  try {
    const torva::app::RunFiles files = torva::app::plan_run(input, out_dir);
    const int code = torva::app::run_engine(files);
    std::cout << torva::app::describe_result(code) << '\n'
              << "  report:        " << files.report.string() << '\n'
              << "  plot output:   " << files.plot.string() << '\n'
              << "  run messages:  " << files.message.string() << '\n';
    for (const auto& file : torva::app::section_report_files(files)) {
      std::cout << "  moment-curvature file: " << file.string() << '\n';
    }
    if (code <= 0) std::cout << torva::app::summarize_load_cases(files.plot);
    return code > 0 ? 1 : 0;
  } catch (const std::exception& failure) {
    std::cerr << "torva: " << failure.what() << '\n';
    return 2;
  }
}
