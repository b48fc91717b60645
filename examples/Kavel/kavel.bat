# Model preparation job (stand-in): kavel.bat MODEL RESULT NAME runs beside
# 1.bat on the same model input and places the same sample models; each file
# is replaced whole, so the two never leave a mixed one.
exec /bin/sh "$(dirname "$0")/samples/place.sh" --input "$1" kavel.bat "${2:-MOdlod.out}" lendrix.mac savlen.mac
