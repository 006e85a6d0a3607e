// The commands of the pipeline table that are no plain sequence of steps:
// the oral-exam recommendations, the FHR commands and the promotion check.
// RunPipeline hands them over here.
#pragma once

#include "rules/pipelines.h"

namespace tolka::rules {

PipelineOutcome RunCompositeCommand(PipelineContext& ctx, core::StudentTable& table, size_t index,
                                    const PipelineRow& row);

// The FHR title of pair p: "schul. Teil der FH-Reife 1.+ 2. Sem."; with
// `best` "beste Variante: FH-Reife 1.+ 2. Sem.".
std::string FhrTitle(int pair, bool best);

}  // namespace tolka::rules
