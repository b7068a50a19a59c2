// The result record and the cost formulas are built here.
