# Complex eigenvalue job (stand-in): 24.bat RESULT places the sample eigenvalues in data/valden.mac.
exec /bin/sh "$(dirname "$0")/samples/place.sh" 24.bat "${1:-VALDEN.OUT}" valden.mac
