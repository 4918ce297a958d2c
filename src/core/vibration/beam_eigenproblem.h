// The eigenproblem of a free-free beam model, shared by the bending beam and the
// beam with shear: from the assembled matrices to the elastic modes.
#pragma once

#include "vibration/beam_model.h"

#include <Eigen/Core>

#include <vector>

namespace hullcalc {

// Elastic modes 1..modeCount of a free-free beam from its assembled stiffness
// (kN/m) and mass (t) matrices, whose degrees of freedom are, node by node from
// the bow, the deflection and one rotation: the two rigid-body motions, the
// two lowest eigenvalues, are passed over. Throws Error when a matrix holds a
// value that is not finite or tone I cannot be told from the rigid motions.
std::vector<BeamMode> elasticModesOf(const Eigen::MatrixXd& stiffness, const Eigen::MatrixXd& mass, int modeCount);

}  // namespace hullcalc
