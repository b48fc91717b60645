# Model input job (stand-in): 1.bat MODEL RESULT NAME checks that the model
# input MODEL is there and places the sample models in data/lendrix.mac and
# data/savlen.mac, as the real job builds them from the input.
exec /bin/sh "$(dirname "$0")/samples/place.sh" --input "$1" 1.bat "${2:-MOdlod.out}" lendrix.mac savlen.mac
