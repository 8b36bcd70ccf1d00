// The transparent bridge's port table of the simulated switch for the port counter monitor: three
// ports whose frame counters are step counters (input +1000, output +500, discards +3 at every read
// that returns them); port 2's input counter starts at 4294967000, so that its second read wraps
// past 2^32.
#pragma once

inline constexpr const char* kBridgePortEntry = "1.3.6.1.2.1.17.4.4.1";

inline constexpr const char* kBridgePortScenario = R"({"tables": [{"entry": "1.3.6.1.2.1.17.4.4.1",
  "columns": [[1, "int"], [2, "int"], [3, "counter+1000"], [4, "counter+500"], [5, "counter+3"]],
  "rows": [["1", 1, 1518, 1000, 2000, 5],
           ["2", 2, 1518, 4294967000, 100, 0],
           ["3", 3, 1522, 0, 0, 0]]}]})";
